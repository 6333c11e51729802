#ifndef QUORVEX_UI_SELECT_LABEL_DIALOG_H_
#define QUORVEX_UI_SELECT_LABEL_DIALOG_H_

#include <cstdint>
#include <optional>

class QWidget;

namespace quorvex {
class ImportWizard;
}

namespace quorvex::ui {

// "Select Label" for the column at `position`: one radio button per label
// and "NOT USED", each label marked "Used" when some column has it, the
// column's current label chosen. Returns the chosen label (kNotUsed for
// "NOT USED"), or nullopt when the user cancelled.
std::optional<int32_t> askColumnLabel(const ImportWizard& wizard, int32_t position,
                                      QWidget* parent);

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_SELECT_LABEL_DIALOG_H_
