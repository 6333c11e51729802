#ifndef QUORVEX_GENERATOR_SITE_FOLDERS_H_
#define QUORVEX_GENERATOR_SITE_FOLDERS_H_

#include <filesystem>
#include <string>
#include <string_view>

namespace quorvex {

// Where a site is generated, in both forms the generator needs: the stored
// form that published-file lists record (relative to the program folder when
// possible, folders separated by "\" and ending with one, as documents made
// on Windows hold them) and the path of the file system.
class SiteFolders {
 public:
  SiteFolders() = default;
  // `home` is the program folder; `siteFolder` and `imagesDir` are stored
  // forms ending with a separator ("Acme\\", "Images\\"); `imagesUrl` is the
  // web form of the images folder ("Images/").
  SiteFolders(std::filesystem::path home, std::string siteFolder, std::string imagesDir,
              std::string imagesUrl);

  const std::filesystem::path& home() const { return home_; }
  // The site folder, stored form.
  const std::string& siteFolder() const { return siteFolder_; }
  // The images folder, stored form: site folder + images folder name.
  const std::string& imagesFolder() const { return imagesFolder_; }
  // The web form of the images folder, put before picture names in pages.
  const std::string& imagesUrl() const { return imagesUrl_; }
  // The folder name the pictures have on the servers ("Images").
  const std::string& imagesRemoteFolder() const { return imagesRemote_; }

  // Stored forms of a file in the site folder and in the images folder.
  std::string siteFile(std::string_view name) const { return siteFolder_ + std::string(name); }
  std::string imagesFile(std::string_view name) const { return imagesFolder_ + std::string(name); }

  // The file-system path of a stored path: relative ones are relative to the
  // program folder.
  std::filesystem::path native(std::string_view stored) const;

  // The stored form of a file-system path: relative to the program folder
  // when it lies below it, with "\" as separator.
  std::string stored(const std::filesystem::path& path) const;

 private:
  std::filesystem::path home_;
  std::string siteFolder_;
  std::string imagesFolder_;
  std::string imagesUrl_;
  std::string imagesRemote_;
};

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_SITE_FOLDERS_H_
