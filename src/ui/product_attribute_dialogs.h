#ifndef QUORVEX_UI_PRODUCT_ATTRIBUTE_DIALOGS_H_
#define QUORVEX_UI_PRODUCT_ATTRIBUTE_DIALOGS_H_

#include <QStringList>
#include <cstdint>
#include <optional>
#include <string>

#include "app/image_file_choice.h"

class QBoxLayout;
class QButtonGroup;
class QWidget;

namespace quorvex::ui {

// The dialogs in which "Enhance Product Descriptions" sets one attribute of
// the selected rows. Each opens on the first selected row's values and
// returns the chosen ones after OK, nullopt after Cancel.

// A text with the flag that goes with it (link and linkFlag, picture and
// pictureFlag).
struct FlaggedText {
  std::string text;
  int32_t flag = 0;
};

// "Product Link": "&None" (0), "&Individual Product Page" (1) or
// "&Specified Link: " (2) with the address.
std::optional<FlaggedText> askProductLink(const FlaggedText& link, QWidget* parent);

// "Product Picture": "&Not Yet" (0), "&Item Will Never Have Picture" (1) or
// a picture file chosen with "&Browse" (2) through `choose`.
std::optional<FlaggedText> askProductPicture(const FlaggedText& picture, PathChooser choose,
                                             QWidget* parent);

// Adds to `layout` the picture file line: an edit bound to `picture` and
// "&Browse", which asks `choose` for a file; a choice fills the edit and
// checks the "picture file" button (id 2) of `flags`. `parent` owns the
// button's connection.
void addPictureFileRow(QBoxLayout& layout, std::string& picture, QButtonGroup* flags,
                       PathChooser choose, QWidget* parent);

// A dialog titled `title` with one radio button per entry of `choices`;
// returns the index of the chosen one. "Featured Item Flag" and "Publish
// Item Flag" are such dialogs.
std::optional<int32_t> askChoice(const QString& title, const QStringList& choices,
                                 int32_t current, QWidget* parent);

// The values of "Downloaded Item Properties".
struct DownloadValues {
  std::string path;
  std::string password;
  // 0 "&Standard Item", 1 "&Downloaded Item".
  int32_t downloadFlag = 0;
  // 0 "&User Server", 1 "&Quorvex Server", 2 "&Neither".
  int32_t uploadFlag = 2;
};
std::optional<DownloadValues> askDownload(const DownloadValues& values, QWidget* parent);

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_PRODUCT_ATTRIBUTE_DIALOGS_H_
