#ifndef QUORVEX_PRODUCTS_IMPORT_WIZARD_H_
#define QUORVEX_PRODUCTS_IMPORT_WIZARD_H_

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/env.h"
#include "products/category_name_form.h"
#include "products/extra_fields.h"

namespace quorvex {

// The rules of the "Import Wizard", which links the product table to a
// delimited file exported by another program: how the file is split ("Choose
// a Delimiter Type"), which column holds which product value ("Label
// Columns") and how the categories are named on the web pages ("Descriptive
// Category Names"). A dialog binds to it; every message goes through the
// prompter. Finish stores the result in the table as an imported table and
// brings PriceList.txt up to date.
class ImportWizard {
 public:
  // The labels of "Select Label", in its order; each fills the product
  // column of the same number (0 "Part Number" to 11 "Featured Flag").
  static constexpr int32_t kLabelCount = 12;
  // The label of a column that is not imported.
  static constexpr int32_t kNotUsed = -1;
  // Rows to skip: "Start at Row:" runs from 1 to this.
  static constexpr int32_t kMaxStartRow = 10000;
  // Lines shown in the preview.
  static constexpr int32_t kPreviewLines = 5;

  // The text of the "Image File Path" dialog, opened when a column is
  // labelled "Picture".
  static constexpr std::string_view kImageFilePathText =
      "If the pictures that appear in your database are only entered there as filenames, then "
      "you will need to specify the folder that the pictures are in.  If the picture field "
      "includes the path for each file then you my select 'No image file path' and press OK.";

  // Returns the name of `label` ("Part Number" ... "Featured Flag"),
  // "NOT USED" for kNotUsed and any other number.
  static std::string_view labelName(int32_t label);
  // Returns the label named `name` exactly, kNotUsed for "NOT USED" or an
  // unknown name.
  static int32_t labelNamed(std::string_view name);

  // The columns of the first preview lines: `columns` fields per line (the
  // count of the first line), missing ones empty.
  struct Preview {
    int32_t columns = 0;
    std::vector<std::vector<std::string>> lines;
  };

  // Imports into `table`, the document's product table; both must outlive
  // the wizard.
  ImportWizard(const Env& env, CExtraFields& table);

  // The file to propose in the "Data File" dialog: the current source of an
  // imported table that has rows, else "".
  std::string proposedFile() const;

  // Starts importing `file`. For an in-program table first asks whether to
  // overwrite it (No ends). A file that cannot be opened for reading gives
  // "I'm sorry, that file does not exist." and ends. Importing the table's
  // current source again starts from its labels and picture folder;
  // another file starts with every column "NOT USED" and no picture folder.
  // Returns false when the import ends here.
  [[nodiscard]] bool start(const std::string& file);

  // ---- "Choose a Delimiter Type" -------------------------------------------
  // "Start at Row:", kept within 1 to 10000.
  void setStartRow(int32_t row);
  void setDelimiter(char delimiter) { delimiter_ = delimiter; }
  // The first character of the "Text Qualifier: " entry.
  void setQualifier(char qualifier) { qualifier_ = qualifier; }
  int32_t startRow() const { return startRow_; }
  char delimiter() const { return delimiter_; }
  char qualifier() const { return qualifier_; }

  // Splits the first lines after the skipped ones. Returns false after
  // "No rows left in database." (no line left), "Unable to parse
  // database." (the first line has no field) or a file error.
  bool preview(Preview* preview);
  // Next: refused with "You have not yet chosen a valid database." unless
  // the last preview succeeded.
  bool leaveDelimiterPage();

  // ---- "Label Columns" -----------------------------------------------------
  // The label of the column at `position`, kNotUsed when it has none.
  int32_t labelOfColumn(int32_t position) const;
  // The position given to `label`, -1 when no column has it.
  int32_t positionOf(int32_t label) const;
  // Labels the column at `position`. A label another column has is refused
  // with "That label has already been used for another column.\nIf need be,
  // you can set the other column label to NOT USED." and nothing changes;
  // otherwise the column's old label becomes free and the new one takes the
  // position (kNotUsed only frees it). Labelling a column "Picture" is
  // followed by the "Image File Path" dialog (setPictureFolder()).
  // Returns whether the label was taken.
  bool chooseLabel(int32_t position, int32_t label);
  // "Image File Path": a folder, or "" for none.
  void setPictureFolder(std::string folder) { pictureFolder_ = std::move(folder); }
  const std::string& pictureFolder() const { return pictureFolder_; }
  // Next: requires a Part Number, a Description and a Price column, tested
  // in this order: "You have not selected a Part Number column.", "... a
  // Description column.", "... a Price column.".
  bool leaveLabelPage();

  // ---- "Descriptive Category Names" ----------------------------------------
  // Builds the category list: with a Category column, every value of that
  // column in the lines after the skipped ones, once, in order of first
  // occurrence, each described by itself; without one, no category.
  void buildCategoryList();
  // Without a Category column the grid shows the single line "None" / "You
  // have selected that you have no categories in your database.".
  bool hasCategoryColumn() const { return positionOf(kCategoryColumn) >= 0; }
  const std::vector<std::string>& categoryNames() const { return categoryNames_; }
  const std::vector<std::string>& categoryDescriptions() const { return categoryDescriptions_; }
  // "Category Name" opened on category `index`; an empty form for an index
  // outside the list.
  CategoryNameForm categoryForm(size_t index) const;
  // Its OK: the category's description becomes the confirmed one.
  void setCategory(size_t index, const CategoryNameForm& form);

  // Finish: stores the result in the table (an imported table with these
  // settings; the download and tax columns unused), reads its rows (a table
  // maintained in the program, or a new file: the external file alone; the
  // same file again: PriceList.txt refreshed from it), writes PriceList.txt
  // and releases the rows. Returns false, writing nothing, when the rows
  // could not be read, and false when PriceList.txt could not be written.
  bool finish();

 private:
  // Reads the file into `bytes_`. Returns false after "I'm sorry, that file
  // does not exist." or a file error.
  [[nodiscard]] bool readFile();

  const Env& env_;
  CExtraFields& table_;
  std::string file_;
  std::string bytes_;
  int32_t startRow_ = 1;
  char delimiter_ = ',';
  char qualifier_ = '"';
  bool previewed_ = false;
  std::array<int32_t, kLabelCount> labelPositions_;
  std::string pictureFolder_;
  std::vector<std::string> categoryNames_;
  std::vector<std::string> categoryDescriptions_;
};

}  // namespace quorvex

#endif  // QUORVEX_PRODUCTS_IMPORT_WIZARD_H_
