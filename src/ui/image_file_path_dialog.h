#ifndef QUORVEX_UI_IMAGE_FILE_PATH_DIALOG_H_
#define QUORVEX_UI_IMAGE_FILE_PATH_DIALOG_H_

#include <optional>
#include <string>

#include "app/image_file_choice.h"

class QWidget;

namespace quorvex::ui {

// "Image File Path", opened when the import wizard's column is labelled
// "Picture": the wizard's explanation and the folder of the pictures, typed
// or chosen through `browse` with "&Browse...", starting at `folder`. Returns
// the folder ("" for none) after OK, nullopt after Cancel.
std::optional<std::string> askImageFilePath(const std::string& folder, const PathChooser& browse,
                                            QWidget* parent);

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_IMAGE_FILE_PATH_DIALOG_H_
