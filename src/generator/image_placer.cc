#include "generator/image_placer.h"

#include "company/brenquil_doc.h"
#include "generator/file_copy.h"
#include "generator/file_error.h"
#include "generator/file_replacement.h"
#include "generator/text_helpers.h"
#include "imaging/image_canvas.h"
#include "platform/paths.h"
#include "platform/prompter.h"

namespace quorvex {

namespace fs = std::filesystem;

namespace {

bool isWebPicture(std::string_view name) {
  std::string extension = lowerExtension(name);
  return extension == "gif" || extension == "jpg" || extension == "jpeg";
}

}  // namespace

ImageSize ImagePlacer::sizeOf(std::string_view stored) const {
  return context_.pictureSizes.of(context_.folders.native(stored));
}

bool ImagePlacer::copyToImages(const std::string& source, const std::string& name) {
  std::optional<fs::path> target =
      joinInside(context_.folders.native(context_.folders.imagesFolder()), name);
  std::error_code error = target ? copyFile(context_.folders.native(source), *target, true)
                                 : std::make_error_code(std::errc::invalid_argument);
  if (error) {
    showFileError(context_.prompter(), error, target.value_or(fs::path(name)));
    placed_.erase(name);
  } else {
    placed_[name] = source;
  }
  return !error;
}

bool ImagePlacer::saveToImages(CImageCanvas& canvas, const std::string& name) {
  std::optional<fs::path> target =
      joinInside(context_.folders.native(context_.folders.imagesFolder()), name);
  bool saved = false;
  placed_.erase(name);
  if (target) {
    canvas.setJpegQuality(context_.doc.m_pFtp->jpegQuality);
    canvas.render();
    // Saved beside the target and moved into place, so that an unchanged
    // picture is not written again.
    const fs::path rendered = temporarySibling(*target, "qvx-picture");
    saved = canvas.save(rendered);
    if (saved) {
      saved = !moveIntoPlace(rendered, *target);
    } else {
      std::error_code ignored;  // a part written before the failure; the failure is shown below
      fs::remove(rendered, ignored);
    }
  }
  if (!saved) {
    showFileError(context_.prompter(), std::make_error_code(std::errc::io_error),
                  target.value_or(fs::path(name)));
  }
  return saved;
}

void ImagePlacer::prepare(const std::vector<PlannedPicture>& pictures) {
  std::vector<PicturePool::Job> jobs;
  for (const PlannedPicture& picture : pictures) {
    if (std::optional<PicturePool::Job> job = jobFor(picture)) jobs.push_back(std::move(*job));
  }
  pool_.start(std::move(jobs));
}

std::optional<std::string> ImagePlacer::conversionName(std::string_view name) {
  std::string cleaned = cleanFileName(name);
  if (isWebPicture(cleaned)) return std::nullopt;
  return webImageName(cleaned);
}

std::optional<PicturePool::Job> ImagePlacer::jobFor(const PlannedPicture& picture) const {
  const SiteFolders& folders = context_.folders;
  std::optional<fs::path> target = joinInside(folders.native(folders.imagesFolder()), picture.name);
  fs::path source = folders.native(picture.source);
  if (!target || isWithin(folders.native(folders.siteFolder()), source)) return std::nullopt;
  return PicturePool::Job{std::move(source), std::move(*target), picture.width, picture.height,
                          context_.doc.m_pFtp->jpegQuality};
}

std::optional<PicturePool::Result> ImagePlacer::prepared(const PlannedPicture& picture,
                                                        fs::path& target) {
  std::optional<PicturePool::Job> job = jobFor(picture);
  if (!job) return std::nullopt;
  target = job->target;
  return pool_.take(*job);
}

bool ImagePlacer::putInPlace(const PicturePool::Result& result, const std::string& name,
                             const fs::path& target) {
  placed_.erase(name);
  const bool saved =
      result.outcome == PicturePool::Outcome::kSaved && !moveIntoPlace(result.file, target);
  if (!saved) showFileError(context_.prompter(), std::make_error_code(std::errc::io_error), target);
  return saved;
}

bool ImagePlacer::writeResized(const std::string& source, const std::string& name, int width,
                               int height) {
  fs::path target;
  if (auto result = prepared({source, name, width, height}, target)) {
    return putInPlace(*result, name, target);
  }
  CImageCanvas canvas(context_.folders.native(source));
  canvas.setSize(width, height);
  return saveToImages(canvas, name);
}

bool ImagePlacer::isReadableNonPicture(std::string_view source) const {
  std::error_code ec;
  const fs::file_status status = fs::status(context_.folders.native(source), ec);
  // A folder is left to the copy, which reports it; a pipe or device is
  // never read.
  if (!fs::exists(status) || fs::is_directory(status)) return false;
  return !fs::is_regular_file(status) || !sizeOf(source).known();
}

void ImagePlacer::warnNotAPicture(const std::string& source) {
  context_.prompter().showMessage("WARNING: File \"" + source +
                                  "\" does not seem to be a valid image.");
}

std::string ImagePlacer::placeImage(const std::string& source, std::string_view name) {
  std::string cleaned = cleanFileName(name);
  const std::optional<std::string> converted = conversionName(cleaned);
  std::string target = converted.value_or(cleaned);
  auto found = placed_.find(target);
  if (found != placed_.end() && found->second == source) return target;
  if (!converted) {
    if (isReadableNonPicture(source)) {
      warnNotAPicture(source);
    } else {
      copyToImages(source, target);
    }
    return target;
  }
  context_.setProgress("Converting image...");
  fs::path targetPath;
  if (auto result = prepared({source, target, 0, 0}, targetPath)) {
    if (result->outcome == PicturePool::Outcome::kNotAPicture) {
      warnNotAPicture(source);
      return cleaned;
    }
    if (putInPlace(*result, target, targetPath)) placed_.emplace(target, source);
    return target;
  }
  CImageCanvas canvas(context_.folders.native(source));
  if (canvas.width() < 1 || canvas.height() < 1) {
    warnNotAPicture(source);
    return cleaned;
  }
  if (saveToImages(canvas, target)) placed_.emplace(target, source);
  return target;
}

std::string ImagePlacer::reduceImage(std::string_view label, const std::string& source, int width) {
  context_.setProgress("Converting and resizing " + std::string(label) + " image...");
  std::string name = reducedImageName(source, label);
  CImageCanvas canvas(context_.folders.native(source));
  if (canvas.width() < 1 || canvas.height() < 1) {
    warnNotAPicture(source);
    return name;
  }
  canvas.setSize(width, proportionalHeight(width, canvas.width(), canvas.height()));
  saveToImages(canvas, name);
  return name;
}

std::string ImagePlacer::siteImage(const std::string& source, std::string_view label,
                                   int wantedWidth, bool resize, FileLists lists) {
  std::string name;
  ImageSize size;
  if (resize) size = sizeOf(source);
  if (resize && size.known() && wantedWidth >= 1 && size.width > wantedWidth) {
    name = reduceImage(label, source, wantedWidth);
  } else {
    name = placeImage(source, lastPathComponent(source));
  }
  context_.enterFile(lists, source, context_.folders.imagesFile(name), name,
                     context_.folders.imagesRemoteFolder(), 1, 0);
  return name;
}

void ImagePlacer::setImageField(std::string_view field, std::string_view file) {
  std::string name = webImageName(file);
  std::string value = context_.folders.imagesUrl() + name;
  ImageSize size = sizeOf(context_.folders.imagesFile(name));
  if (size.known()) {
    value +=
        "\" WIDTH=\"" + std::to_string(size.width) + "\" HEIGHT=\"" + std::to_string(size.height);
  }
  context_.fields.set(field, std::move(value));
}

}  // namespace quorvex
