#ifndef QUORVEX_UI_PAGE_EDITOR_H_
#define QUORVEX_UI_PAGE_EDITOR_H_

#include <QWidget>
#include <string>

class QButtonGroup;
class QFormLayout;
class QLabel;
class QLineEdit;
class QListWidget;

namespace quorvex {
class CContactPage;
class CFontData;
class CFullPage;
class CPage;
class CProductPage;
class PageLayoutStep;
}  // namespace quorvex

namespace quorvex::ui {

class ExtraPicturesGroup;

// The editor of one page in "Choose Page Layout": the label and page
// source, the texts with their fonts, the page's picture, colours and left
// margin, the pages its link lists show, and what the page's kind adds (the contact page's shown
// addresses, numbers and e-mail addresses; the order form's extra fields;
// the product page's display settings; the category of a specific category
// page). It writes into the page of the step's copy; the step's rules
// (labels, pictures, display styles) go through the step.
class PageEditor : public QWidget {
  Q_OBJECT

 public:
  // `step` and `page` (a page of step.pages) must outlive the editor.
  PageEditor(PageLayoutStep& step, CPage& page, QWidget* parent = nullptr);

  // Shows again what the step's operations change: the label, the picture
  // and the display style.
  void refresh();

 private:
  void addTexts(QFormLayout& form, CFullPage& page);
  // Adds a row of one line of text, or of a text block, with the buttons of
  // its font.
  void addLineRow(QFormLayout& form, const QString& label, std::string& text, CFontData& font);
  void addBlockRow(QFormLayout& form, const QString& label, std::string& text, CFontData& font);
  QWidget* pictureGroup(CFullPage& page);
  QWidget* appearanceGroup();
  QWidget* linksGroup();
  // Shows again which links the page shows.
  void refreshLinks();
  QWidget* contactGroup(CContactPage& page);
  QWidget* productGroup(CProductPage& page);
  // A "Font..." button that edits `font` with the desktop's font dialog.
  QWidget* fontButton(CFontData& font, const QString& what);

  PageLayoutStep& step_;
  CPage& page_;
  QLineEdit* label_;
  // Set for a page with a picture of its own.
  QButtonGroup* pictureChoice_ = nullptr;
  QLineEdit* picturePath_ = nullptr;
  QLabel* thumbnail_ = nullptr;
  ExtraPicturesGroup* extraPictures_ = nullptr;
  // The pages whose links the page shows; the first row stands for all.
  QListWidget* links_ = nullptr;
  // Set for the product page.
  QLineEdit* layoutFile_ = nullptr;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_PAGE_EDITOR_H_
