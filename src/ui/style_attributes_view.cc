#include "ui/style_attributes_view.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/style_step.h"
#include "ui/button_samples_view.h"
#include "ui/colour_button.h"
#include "ui/field_binding.h"
#include "ui/path_field.h"
#include "ui/qt_font_colour.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

namespace {

// A number field for pixel counts and offsets, bound to `value`.
QSpinBox* pixelBox(int32_t& value) {
  auto* box = new QSpinBox;
  box->setRange(-100, 100);
  bind(*box, value);
  return box;
}

// Adds a row to `form`: the label `label`, whose mnemonic focuses the text
// of `field`, and `field`.
void addPathRow(QFormLayout& form, const QString& label, PathField* field) {
  auto* caption = new QLabel(label);
  caption->setBuddy(field->edit());
  form.addRow(caption, field);
}

}  // namespace

StyleAttributesView::StyleAttributesView(StyleAttributesDialog& model,
                                         std::function<void()> help, QWidget* parent)
    : ModelDialog(model, Buttons::kOkCancel, std::move(help), parent),
      model_(model),
      samples_(new ButtonSamplesView) {
  auto* tabs = new QTabWidget;
  tabs->addTab(generalPage(), "&General");
  tabs->addTab(linkPage(), "&Link Buttons");
  tabs->addTab(shoppingPage(), "Sho&pping Buttons");
  auto* preview = new QGroupBox("Sample Buttons");
  (new QVBoxLayout(preview))->addWidget(samples_);
  body()->addWidget(tabs, 1);
  body()->addWidget(preview);

  // Every edit, once bound values have taken it, redraws the samples.
  const auto redraw = [this] { showSamples(); };
  for (QLineEdit* edit : findChildren<QLineEdit*>()) {
    connect(edit, &QLineEdit::textEdited, this, redraw);
  }
  for (QAbstractButton* box : findChildren<QAbstractButton*>()) {
    if (box->isCheckable()) connect(box, &QAbstractButton::toggled, this, redraw);
  }
  for (QSpinBox* box : findChildren<QSpinBox*>()) {
    connect(box, &QSpinBox::valueChanged, this, redraw);
  }
  showSamples();
}

QWidget* StyleAttributesView::generalPage() {
  CTemplate& style = model_.style;
  auto* form = new QFormLayout;
  addTextRow(*form, "Style &Name:", model_.name)->setMinimumWidth(300);
  addPathRow(*form, "&HTML Location:",
             new PathField(style.templatePath, [this] { model_.browseTemplateFolder(); }));
  addPathRow(*form, "&Background Image:", pictureField("Background Image...", style.backImage));

  auto* margin = new QLineEdit(toQt(style.getOffsetNumber()));
  margin->setMaximumWidth(80);
  auto* percent = new QCheckBox("Per&cent of the window");
  percent->setChecked(style.isOffsetPercent());
  const auto storeMargin = [this, margin, percent] {
    model_.style.setOffset(fromQt(margin->text()), percent->isChecked());
  };
  connect(margin, &QLineEdit::textEdited, this, storeMargin);
  connect(percent, &QCheckBox::toggled, this, storeMargin);
  auto* marginRow = new QHBoxLayout;
  marginRow->addWidget(margin);
  marginRow->addWidget(percent);
  marginRow->addStretch();
  auto* marginLabel = new QLabel("Left &Margin:");
  marginLabel->setBuddy(margin);
  form->addRow(marginLabel, marginRow);

  auto* colours = new QGridLayout;
  int column = 0;
  for (ColourButton* button : pageColourButtons(
           model_.style, {"Backg&round...", "&Text...", "Lin&k...", "&Visited Link..."})) {
    connect(button, &ColourButton::changed, this, &StyleAttributesView::showSamples);
    colours->addWidget(button, 0, column++);
  }
  form->addRow("Colours:", colours);

  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(form);
  layout->addStretch();
  return page;
}

QWidget* StyleAttributesView::linkPage() {
  CTemplate& style = model_.style;
  auto* text = new QRadioButton("&Text links");
  auto* pictures = new QRadioButton("B&utton pictures with drawn text");
  pictures->setChecked(style.buttonLinks != 0);
  text->setChecked(style.buttonLinks == 0);
  connect(pictures, &QRadioButton::toggled, this,
          [this](bool on) { model_.style.buttonLinks = on ? 1 : 0; });
  auto* kind = new QHBoxLayout;
  kind->addWidget(text);
  kind->addWidget(pictures);
  kind->addStretch();

  auto* groups = new QHBoxLayout;
  groups->addWidget(linkGroup("Normal Link", style.linkImage, style.linkFont));
  groups->addWidget(linkGroup("Pressed Link", style.linkPressedImage, style.pressedLinkFont));
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(kind);
  layout->addLayout(groups);
  layout->addStretch();
  return page;
}

QWidget* StyleAttributesView::linkGroup(const QString& title, std::string& image,
                                        CTemplateFont& font) {
  auto* form = new QFormLayout;
  addPathRow(*form, "Picture:", pictureField(title + " Picture...", image));
  auto* fontButton = new QPushButton("Font...");
  connect(fontButton, &QPushButton::clicked, this, [this, title, &font] {
    bool chosen = false;
    const QFont picked =
        QFontDialog::getFont(&chosen, toQFont(font.logFont), this, title + " Font");
    if (!chosen) return;
    storeQFont(picked, font.logFont);
    showSamples();
  });
  auto* fontRow = new QHBoxLayout;
  fontRow->addWidget(fontButton);
  fontRow->addWidget(colourButton(
      "Colour...", [&font] { return font.color; }, [&font](int32_t value) { font.color = value; }));
  fontRow->addStretch();
  form->addRow("Text:", fontRow);
  auto* shadow = new QCheckBox("Shadow");
  bind(*shadow, font.shadow);
  form->addRow("", shadow);
  form->addRow("Shadow depth:", pixelBox(font.shadowDepth));
  form->addRow("Horizontal offset:", pixelBox(font.offsetX));
  form->addRow("Vertical offset:", pixelBox(font.offsetY));
  auto* group = new QGroupBox(title);
  group->setLayout(form);
  return group;
}

QWidget* StyleAttributesView::shoppingPage() {
  CTemplate& style = model_.style;
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel("Picture"), 0, 1);
  grid->addWidget(new QLabel("Text"), 0, 2);
  const struct {
    const char* label;
    std::string CTemplate::*picture;
    std::string CTemplate::*text;
    int32_t CTemplate::*drawText;
  } kButtons[] = {
      {"Buy:", &CTemplate::def_buy_img, &CTemplate::buy_text, &CTemplate::buy_drawtext},
      {"Buy, pressed:", &CTemplate::on_buy_img, &CTemplate::buy_text, &CTemplate::buyon_drawtext},
      {"Continue:", &CTemplate::def_continue_img, &CTemplate::continue_text,
       &CTemplate::continue_drawtext},
      {"Continue, pressed:", &CTemplate::on_continue_img, &CTemplate::continue_text,
       &CTemplate::continueon_drawtext},
      {"Submit:", &CTemplate::def_submit_img, &CTemplate::submit_text,
       &CTemplate::submit_drawtext},
      {"Submit, pressed:", &CTemplate::on_submit_img, &CTemplate::submit_text,
       &CTemplate::submiton_drawtext},
      {"View cart:", &CTemplate::def_view_img, &CTemplate::view_text, &CTemplate::view_drawtext},
      {"View cart, pressed:", &CTemplate::on_view_img, &CTemplate::view_text,
       &CTemplate::viewon_drawtext},
      {"Delete:", &CTemplate::def_delete_img, &CTemplate::delete_text,
       &CTemplate::delete_drawtext},
      {"Minus:", &CTemplate::def_minus_img, &CTemplate::minus_text, &CTemplate::minus_drawtext},
      {"Plus:", &CTemplate::def_plus_img, &CTemplate::plus_text, &CTemplate::plus_drawtext},
      {"Empty cart:", &CTemplate::empty_cart_img, &CTemplate::empty_cart_text,
       &CTemplate::empty_cart_drawtext},
      {"Full cart:", &CTemplate::full_cart_img, &CTemplate::full_cart_text,
       &CTemplate::full_cart_drawtext},
  };
  int row = 1;
  const std::string* shownText = nullptr;
  for (const auto& button : kButtons) {
    PathField* picture =
        pictureField(QString(button.label).chopped(1) + " Picture...", style.*button.picture);
    // A pressed button carries the text of its normal one, edited there.
    QWidget* text = nullptr;
    if (&(style.*button.text) == shownText) {
      text = new QLabel("(as above)");
    } else {
      auto* edit = new QLineEdit;
      bind(*edit, style.*button.text);
      text = edit;
      shownText = &(style.*button.text);
    }
    auto* draw = new QCheckBox("Draw text");
    bind(*draw, style.*button.drawText);
    grid->addWidget(new QLabel(button.label), row, 0);
    grid->addWidget(picture, row, 1);
    grid->addWidget(text, row, 2);
    grid->addWidget(draw, row, 3);
    ++row;
  }
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(grid);
  layout->addStretch();
  return page;
}

QPushButton* StyleAttributesView::colourButton(const QString& text,
                                               std::function<int32_t()> get,
                                               std::function<void(int32_t)> set) {
  auto* button = new ColourButton(text, std::move(get), std::move(set));
  connect(button, &ColourButton::changed, this, &StyleAttributesView::showSamples);
  return button;
}

PathField* StyleAttributesView::pictureField(const QString& title, std::string& picture) {
  return new PathField(picture, [this, title, &picture] {
    model_.browsePicture(fromQt(title), picture);
  });
}

void StyleAttributesView::showModel() {
  for (PathField* field : findChildren<PathField*>()) field->showValue();
  showSamples();
}

void StyleAttributesView::showSamples() {
  const std::vector<ButtonPreview::Sample> samples = model_.buttonSamples();
  model_.buttonSize.reset();
  model_.pressedSize.reset();
  for (const ButtonPreview::Sample& sample : samples) {
    if (sample.kind == ButtonPreview::Sample::Kind::kShopping) continue;
    const QSize size = QImageReader(QString::fromStdString(sample.picture.string())).size();
    if (!size.isValid()) continue;
    (sample.kind == ButtonPreview::Sample::Kind::kLink ? model_.buttonSize : model_.pressedSize) =
        PictureSize{size.width(), size.height()};
  }
  samples_->showSamples(samples);
}

}  // namespace quorvex::ui
