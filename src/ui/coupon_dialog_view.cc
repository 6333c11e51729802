#include "ui/coupon_dialog_view.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <optional>
#include <string>

#include "app/coupon_dialog.h"
#include "ui/field_binding.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

namespace {

// The widest the preview picture is shown.
constexpr int kPreviewWidth = 260;

// A drop-down of `names` showing and setting the position `value`.
template <class Names>
QComboBox* positionList(const Names& names, int32_t& value) {
  auto* list = new QComboBox;
  for (const auto& name : names) list->addItem(toQt(std::string(name)));
  list->setCurrentIndex(value);
  QObject::connect(list, &QComboBox::currentIndexChanged, list,
                   [&value](int index) { value = index; });
  return list;
}

// The day-of-month list, "1" to "31".
std::vector<std::string> dayNames() {
  std::vector<std::string> names;
  for (int day = 1; day <= 31; ++day) names.push_back(std::to_string(day));
  return names;
}

}  // namespace

CouponDialogView::CouponDialogView(CouponDialog& model, std::function<void()> help,
                                   QWidget* parent)
    : ModelDialog(model, Buttons::kOkCancel, std::move(help), parent),
      model_(model),
      preview_(new QLabel) {
  auto* texts = new QFormLayout;
  addTextRow(*texts, "&Name:", model_.name);
  addTextRow(*texts, "&Header:", model_.header);
  addTextRow(*texts, "E&xpiration:", model_.expiration);
  auto* couponText = new QPlainTextEdit;
  couponText->setFixedHeight(72);
  bind(*couponText, model_.text);
  texts->addRow("Coupon &Text:", couponText);

  auto* styles = new QComboBox;
  for (const std::string& style : model_.styles()) styles->addItem(toQt(style));
  if (model_.selectedStyle) styles->setCurrentIndex(static_cast<int>(*model_.selectedStyle));
  connect(styles, &QComboBox::currentIndexChanged, this, [this](int index) {
    model_.selectedStyle =
        index < 0 ? std::nullopt : std::optional<size_t>(static_cast<size_t>(index));
    showPreview();
  });
  auto* styleForm = new QFormLayout;
  styleForm->addRow("Coupon Template &Style:", styles);
  preview_->setAlignment(Qt::AlignCenter);
  preview_->setMinimumSize(kPreviewWidth, 160);
  preview_->setFrameShape(QFrame::StyledPanel);
  auto* styleColumn = new QVBoxLayout;
  styleColumn->addLayout(styleForm);
  styleColumn->addWidget(preview_, 1);

  auto* left = new QVBoxLayout;
  left->addLayout(texts);
  left->addWidget(scheduleGroup());
  auto* columns = new QHBoxLayout;
  columns->addLayout(left, 1);
  columns->addLayout(styleColumn);
  body()->addLayout(columns);
  showScheduleControls();
  showPreview();
}

QWidget* CouponDialogView::scheduleGroup() {
  auto* formats = new QHBoxLayout;
  auto* formatButtons = new QButtonGroup(this);
  for (size_t i = 0; i < CouponDialog::kFormatNames.size(); ++i) {
    auto* button = new QRadioButton(toQt(std::string(CouponDialog::kFormatNames[i])));
    button->setChecked(static_cast<int32_t>(i) == model_.format);
    formatButtons->addButton(button, static_cast<int>(i));
    formats->addWidget(button);
  }
  connect(formatButtons, &QButtonGroup::idClicked, this, [this](int id) {
    model_.format = id;
    showScheduleControls();
  });
  static const std::vector<std::string> kDays = dayNames();
  auto* rows = new QGridLayout;
  struct End {
    const char* label;
    int32_t& weekday;
    int32_t& month;
    int32_t& date;
    std::string& year;
  };
  const End ends[] = {
      {"Begin:", model_.beginWeekday, model_.beginMonth, model_.beginDate, model_.beginYear},
      {"End:", model_.endWeekday, model_.endMonth, model_.endDate, model_.endYear}};
  int line = 0;
  for (const End& end : ends) {
    auto* year = new QLineEdit;
    year->setMaxLength(4);
    year->setFixedWidth(64);
    bind(*year, end.year);
    weekdays_.push_back(positionList(CCoupon::kWeekdayNames, end.weekday));
    months_.push_back(positionList(CCoupon::kMonthNames, end.month));
    dates_.push_back(positionList(kDays, end.date));
    years_.push_back(year);
    rows->addWidget(new QLabel(end.label), line, 0);
    rows->addWidget(weekdays_.back(), line, 1);
    rows->addWidget(months_.back(), line, 2);
    rows->addWidget(dates_.back(), line, 3);
    rows->addWidget(year, line, 4);
    ++line;
  }
  rows->setColumnStretch(5, 1);
  auto* layout = new QVBoxLayout;
  layout->addLayout(formats);
  layout->addLayout(rows);
  auto* group = new QGroupBox("Schedule");
  group->setLayout(layout);
  return group;
}

void CouponDialogView::showScheduleControls() {
  const CouponDialog::ScheduleControls shown = model_.shownControls();
  for (QWidget* control : weekdays_) control->setVisible(shown.weekday);
  for (QWidget* control : months_) control->setVisible(shown.month);
  for (QWidget* control : dates_) control->setVisible(shown.date);
  for (QWidget* control : years_) control->setVisible(shown.year);
}

void CouponDialogView::showPreview() {
  QPixmap picture;
  if (const std::optional<std::filesystem::path> file = model_.previewPicture()) {
    picture.load(QString::fromStdString(file->string()));
  }
  if (picture.isNull()) {
    preview_->setPixmap(QPixmap());
    preview_->setText("No preview of this style.");
    return;
  }
  preview_->setPixmap(picture.width() > kPreviewWidth
                          ? picture.scaledToWidth(kPreviewWidth, Qt::SmoothTransformation)
                          : picture);
}

}  // namespace quorvex::ui
