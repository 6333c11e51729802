#include "products/field_splitter.h"

#include "platform/strings.h"

namespace quorvex {

namespace {


// The characters trimmed around fields: the blanks except the two characters
// that give a line its structure.
class Blanks {
 public:
  Blanks(char delimiter, char quote) : delimiter_(delimiter), quote_(quote) {}

  bool contains(char c) const {
    return c != delimiter_ && c != quote_ && kWhiteSpace.find(c) != std::string_view::npos;
  }

  std::string_view trimFront(std::string_view text) const {
    while (!text.empty() && contains(text.front())) text.remove_prefix(1);
    return text;
  }

  std::string_view trim(std::string_view text) const {
    text = trimFront(text);
    while (!text.empty() && contains(text.back())) text.remove_suffix(1);
    return text;
  }

 private:
  char delimiter_;
  char quote_;
};

// The position of the quote that closes the section opened at `open`, or npos
// when the section is not closed. A quote followed by a double quote is an
// escaped pair and does not close it.
size_t closingQuote(std::string_view line, size_t open, char quote) {
  size_t at = open + 1;
  while (true) {
    at = line.find(quote, at);
    if (at == std::string_view::npos) return at;
    if (at + 1 < line.size() && line[at + 1] == '"') {
      at += 2;
      continue;
    }
    return at;
  }
}

// Steps shared by every field: outer quotes removed, blanks trimmed, escaped
// quotes reduced. Writes the result into `out`.
void cleanField(std::string_view field, char quote, const Blanks& blanks, std::string* out) {
  if (field.size() >= 2 && field.front() == quote && field.back() == quote) {
    field = field.substr(1, field.size() - 2);
  }
  field = blanks.trim(field);
  out->clear();
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '"' && i + 1 < field.size() && field[i + 1] == quote) ++i;
    out->push_back(field[i]);
  }
}

// Fills `fields` while reusing the storage of the strings it already holds.
class FieldSink {
 public:
  explicit FieldSink(std::vector<std::string>* fields) : fields_(fields) {}
  ~FieldSink() { fields_->resize(count_); }

  std::string* nextField() {
    if (count_ == fields_->size()) fields_->emplace_back();
    return &(*fields_)[count_++];
  }
  // Takes back the field last handed out.
  void dropLast() { --count_; }

 private:
  std::vector<std::string>* fields_;
  size_t count_ = 0;
};

}  // namespace

void splitFields(std::string_view line, char delimiter, char quote,
                 std::vector<std::string>* fields, bool* unclosedQuote) {
  if (unclosedQuote != nullptr) *unclosedQuote = false;
  const Blanks blanks(delimiter, quote);
  FieldSink sink(fields);
  size_t start = 0;
  size_t nextQuote = line.find(quote);
  bool afterDelimiter = false;
  while (true) {
    if (afterDelimiter && start == line.size()) {
      sink.nextField()->assign(1, ' ');
      return;
    }
    start = line.size() - blanks.trimFront(line.substr(start)).size();
    if (nextQuote != std::string_view::npos && nextQuote < start) {
      nextQuote = line.find(quote, start);
    }
    size_t end = line.find(delimiter, start);
    if (nextQuote != std::string_view::npos && nextQuote < end) {
      const size_t close = closingQuote(line, nextQuote, quote);
      end = close == std::string_view::npos ? close : line.find(delimiter, close + 1);
      if (close == std::string_view::npos && unclosedQuote != nullptr) *unclosedQuote = true;
    }
    if (end == std::string_view::npos) {
      std::string* last = sink.nextField();
      cleanField(line.substr(start), quote, blanks, last);
      if (last->empty()) sink.dropLast();
      return;
    }
    std::string* field = sink.nextField();
    cleanField(line.substr(start, end - start), quote, blanks, field);
    if (field->empty()) field->assign(1, ' ');
    start = end + 1;
    afterDelimiter = true;
  }
}

}  // namespace quorvex
