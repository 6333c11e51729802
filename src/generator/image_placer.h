#ifndef QUORVEX_GENERATOR_IMAGE_PLACER_H_
#define QUORVEX_GENERATOR_IMAGE_PLACER_H_

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "generator/generation_context.h"
#include "generator/image_size.h"
#include "generator/picture_pool.h"

namespace quorvex {

class CImageCanvas;

// Brings pictures into the images folder of the site being generated (copied,
// converted to JPEG or reduced) and sets the field values that put them on a
// page. Pictures are named by the stored path of their source; messages name
// the source as stored.
//
// Conversions announced with prepare() are done on every core ahead of the
// run (PicturePool); files and messages stay those of converting each
// picture where the run meets it.
//
// Works on the context of one run, which must outlive it. Not thread-safe.
class ImagePlacer {
 public:
  // A conversion the run is about to ask for: the picture at the stored path
  // `source` reduced to width × height as `name` (writeResized), or, with
  // width 0, converted at its own size (placeImage).
  struct PlannedPicture {
    std::string source;
    std::string name;
    int width = 0;
    int height = 0;
  };

  explicit ImagePlacer(GenerationContext& context)
      : context_(context), pool_(context.status) {}

  // Starts converting `pictures` on every core, in their order. Call at most
  // once per run.
  void prepare(const std::vector<PlannedPicture>& pictures);

  // The name placeImage gives the picture named `name` when it converts it
  // to JPEG; nullopt when it copies it (GIF and JPEG).
  static std::optional<std::string> conversionName(std::string_view name);

  // place-image: puts the picture `source` into the images folder under the
  // cleaned `name` (cleanFileName) and returns the name it got. GIF and JPEG
  // pictures are copied, overwriting. Others are converted to JPEG (progress
  // "Converting image...", the server preferences' JPEG quality) under their
  // web image name. A file that is not a picture (one that exists but does
  // not load, whatever its extension) is never copied into the site: the
  // name is returned after "WARNING: File \"<source>\" does not seem to be a
  // valid image.". A failed copy or save shows "FILE ERROR: ...". Placing the
  // same source under the same name again in one run reuses the file.
  std::string placeImage(const std::string& source, std::string_view name);

  // reduce-image: writes a copy of `source` reduced to `width` pixels wide,
  // keeping its proportions, into the images folder (progress "Converting
  // and resizing <label> image...") and returns its name: the cleaned base
  // name + "-" + label + ".gif" for a GIF, else ".jpg". A source that is not
  // a picture gets the warning of placeImage and nothing is written.
  std::string reduceImage(std::string_view label, const std::string& source, int width);

  // site-image: brings `source` into the images folder, reduced to
  // `wantedWidth` when `resize` is set and the picture is wider (else
  // placed), enters it in `lists` (remote folder Images, binary) and returns
  // its name.
  std::string siteImage(const std::string& source, std::string_view label, int wantedWidth,
                        bool resize, FileLists lists);

  // set-image: sets `field` to "Images/" + the web image name of `file`,
  // followed by "\" WIDTH=\"w\" HEIGHT=\"h" when the size of that picture in
  // the images folder is known (the template closes the quote).
  void setImageField(std::string_view field, std::string_view file);

  // Returns the size of the picture at the stored path `stored`.
  ImageSize sizeOf(std::string_view stored) const;

  // Copies the picture `source` unchanged into the images folder as `name`;
  // false after showing the file error. The placements of this run are kept
  // up to date by this and writeResized().
  bool copyToImages(const std::string& source, const std::string& name);

  // Writes `source` resized to width × height as `name` in the images folder
  // with the server preferences' JPEG quality (GIF or JPEG by the name's
  // extension); false after showing the file error.
  bool writeResized(const std::string& source, const std::string& name, int width, int height);

 private:
  // True when the file at the stored path `source` exists and is not a
  // folder, but is not a picture whose size can be read (a pipe or device
  // counts as none without being read).
  bool isReadableNonPicture(std::string_view source) const;
  void warnNotAPicture(const std::string& source);
  // Renders `canvas` and saves it as `name` in the images folder; false after
  // showing the file error.
  bool saveToImages(CImageCanvas& canvas, const std::string& name);
  // The pool's job for a planned picture; nullopt when the target would lead
  // out of the images folder or the source lies in the site folder (which
  // the run may change before it reaches the picture).
  std::optional<PicturePool::Job> jobFor(const PlannedPicture& picture) const;
  // The pool's result for `picture`, when the pool converted it.
  std::optional<PicturePool::Result> prepared(const PlannedPicture& picture,
                                              std::filesystem::path& target);
  // Moves a converted picture into place as `name` at `target`; false after
  // showing the file error when it was not saved or cannot be moved.
  bool putInPlace(const PicturePool::Result& result, const std::string& name,
                  const std::filesystem::path& target);

  GenerationContext& context_;
  PicturePool pool_;
  // For each name placed in this run, the source placed under it.
  std::unordered_map<std::string, std::string> placed_;
};

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_IMAGE_PLACER_H_
