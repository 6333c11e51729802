#ifndef QUORVEX_UI_STYLE_ATTRIBUTES_VIEW_H_
#define QUORVEX_UI_STYLE_ATTRIBUTES_VIEW_H_

#include <cstdint>
#include <functional>
#include <string>

#include "ui/model_dialog.h"

class QPushButton;

namespace quorvex {
class CTemplateFont;
class StyleAttributesDialog;
}  // namespace quorvex

namespace quorvex::ui {

class ButtonSamplesView;
class PathField;

// The view of "New Style Attributes": the style's name, HTML location,
// background, colours and left margin; its link buttons (text or pictures,
// the pictures, fonts, shadows and offsets of normal and pressed links);
// its shopping buttons' pictures and texts. A row of sample buttons, drawn
// as the site build draws them, follows every change.
class StyleAttributesView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  StyleAttributesView(StyleAttributesDialog& model, std::function<void()> help,
                      QWidget* parent);

 private:
  QWidget* generalPage();
  QWidget* linkPage();
  QWidget* shoppingPage();
  // A group with the picture `image` and the text settings `font` of a
  // normal or pressed link button.
  QWidget* linkGroup(const QString& title, std::string& image, CTemplateFont& font);
  // A button that shows a colour and lets the user choose another with the
  // desktop's colour dialog.
  QPushButton* colourButton(const QString& text, std::function<int32_t()> get,
                            std::function<void(int32_t)> set);
  // A field for the style's picture `picture`, whose Browse... opens an
  // image dialog titled `title`.
  PathField* pictureField(const QString& title, std::string& picture);
  // Shows the chosen paths and redraws the samples.
  void showModel() override;
  // Redraws the samples and takes the sizes of the link pictures from them.
  void showSamples();

  StyleAttributesDialog& model_;
  ButtonSamplesView* samples_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_STYLE_ATTRIBUTES_VIEW_H_
