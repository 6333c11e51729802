#include "document/json_form.h"

#include <cstring>
#include <limits>
#include <set>

#include "platform/text_encoding.h"

namespace quorvex {

namespace {

Json recordToJson(Record& record);

// Collects visited fields into a JSON object.
class JsonWriter : public FieldVisitor {
 public:
  explicit JsonWriter(Json& out) : out_(out) {}

  void field(const char* name, int32_t& value) override { out_[name] = value; }
  void field(const char* name, uint32_t& value) override { out_[name] = value; }
  void field(const char* name, uint8_t& value) override { out_[name] = value; }
  void field(const char* name, char& value) override {
    out_[name] = cp1252ToUtf8(std::string(1, value));
  }
  void field(const char* name, std::string& value) override { out_[name] = cp1252ToUtf8(value); }
  void field(const char* name, std::vector<std::string>& values) override {
    field(name, std::span<std::string>(values));
  }
  void field(const char* name, std::vector<int32_t>& values) override {
    field(name, std::span<int32_t>(values));
  }
  void field(const char* name, std::span<std::string> values) override {
    Json array = Json::array();
    for (const std::string& value : values) array.push_back(cp1252ToUtf8(value));
    out_[name] = std::move(array);
  }
  void field(const char* name, std::span<int32_t> values) override {
    out_[name] = Json(std::vector<int32_t>(values.begin(), values.end()));
  }
  void field(const char* name, LogFont& font) override {
    // The face name buffer is shown up to its last non-zero byte, so that
    // whatever a document holds after the terminating zero survives.
    size_t used = sizeof(font.lfFaceName);
    while (used > 0 && font.lfFaceName[used - 1] == '\0') --used;
    out_[name] = Json{{"lfHeight", font.lfHeight},
                      {"lfWidth", font.lfWidth},
                      {"lfEscapement", font.lfEscapement},
                      {"lfOrientation", font.lfOrientation},
                      {"lfWeight", font.lfWeight},
                      {"lfItalic", font.lfItalic},
                      {"lfUnderline", font.lfUnderline},
                      {"lfStrikeOut", font.lfStrikeOut},
                      {"lfCharSet", font.lfCharSet},
                      {"lfOutPrecision", font.lfOutPrecision},
                      {"lfClipPrecision", font.lfClipPrecision},
                      {"lfQuality", font.lfQuality},
                      {"lfPitchAndFamily", font.lfPitchAndFamily},
                      {"lfFaceName", cp1252ToUtf8(std::string(font.lfFaceName, used))}};
  }
  void field(const char* name, Record& nested) override { out_[name] = recordToJson(nested); }
  void field(const char* name, RecordSequence& records, bool single) override {
    if (single) {
      out_[name] = records.size() == 0 ? Json(nullptr) : recordToJson(records.at(0));
      return;
    }
    Json array = Json::array();
    for (size_t i = 0; i < records.size(); ++i) array.push_back(recordToJson(records.at(i)));
    out_[name] = std::move(array);
  }

 private:
  Json& out_;
};

Json recordToJson(Record& record) {
  Json object = Json::object();
  object["class"] = record.className();
  JsonWriter writer(object);
  record.visitFields(writer);
  return object;
}

// Fills visited fields from a JSON object; remembers the first error.
class JsonReader : public FieldVisitor {
 public:
  JsonReader(const ClassRegistry& registry, const Json& in, std::string where, std::string* error)
      : registry_(registry), in_(in), where_(std::move(where)), error_(*error) {}

  // Reports the keys of the object that named no field (besides "class").
  void checkAllKeysUsed() {
    for (auto it = in_.begin(); it != in_.end() && error_.empty(); ++it) {
      if (it.key() != "class" && !used_.count(it.key())) {
        error_ = where_ + ": unknown field \"" + it.key() + "\"";
      }
    }
  }

  void field(const char* name, int32_t& value) override { readInteger(name, value); }
  void field(const char* name, uint32_t& value) override { readInteger(name, value); }
  void countField(const char* name, int32_t& count) override {
    int32_t read = count;
    readInteger(name, read);
    if (read > kMaxCountedEntries) {
      return fail(name, "a count of at most " + std::to_string(kMaxCountedEntries));
    }
    count = read;
  }
  void field(const char* name, uint8_t& value) override { readInteger(name, value); }
  void field(const char* name, char& value) override {
    const Json* json = take(name);
    std::string text;
    if (json && toText(*json, name, text)) {
      if (text.size() == 1) {
        value = text[0];
      } else {
        fail(name, "a single character");
      }
    }
  }
  void field(const char* name, std::string& value) override {
    const Json* json = take(name);
    if (json) toText(*json, name, value);
  }
  void field(const char* name, std::vector<std::string>& values) override {
    const Json* json = take(name);
    if (!json) return;
    if (!json->is_array()) return fail(name, "an array of strings");
    std::vector<std::string> read(json->size());
    for (size_t i = 0; i < read.size(); ++i) {
      if (!toText((*json)[i], name, read[i])) return;
    }
    values = std::move(read);
  }
  void field(const char* name, std::vector<int32_t>& values) override {
    const Json* json = take(name);
    if (!json) return;
    if (!json->is_array()) return fail(name, "an array of integers");
    std::vector<int32_t> read(json->size());
    for (size_t i = 0; i < read.size(); ++i) {
      if (!toInteger((*json)[i], name, read[i])) return;
    }
    values = std::move(read);
  }
  void field(const char* name, std::span<std::string> values) override {
    const Json* json = take(name);
    if (!json) return;
    if (!json->is_array() || json->size() != values.size()) {
      return fail(name, "an array of " + std::to_string(values.size()) + " strings");
    }
    for (size_t i = 0; i < values.size(); ++i) {
      if (!toText((*json)[i], name, values[i])) return;
    }
  }
  void field(const char* name, std::span<int32_t> values) override {
    const Json* json = take(name);
    if (!json) return;
    if (!json->is_array() || json->size() != values.size()) {
      return fail(name, "an array of " + std::to_string(values.size()) + " integers");
    }
    for (size_t i = 0; i < values.size(); ++i) {
      if (!toInteger((*json)[i], name, values[i])) return;
    }
  }
  void field(const char* name, LogFont& font) override {
    const Json* json = take(name);
    if (!json) return;
    if (!json->is_object()) return fail(name, "a LOGFONT object");
    JsonReader reader(registry_, *json, where_ + "." + name, &error_);
    for (auto [key, value] : {std::pair{"lfHeight", &font.lfHeight}, {"lfWidth", &font.lfWidth},
                              {"lfEscapement", &font.lfEscapement},
                              {"lfOrientation", &font.lfOrientation}, {"lfWeight", &font.lfWeight}}) {
      reader.field(key, *value);
    }
    for (auto [key, value] :
         {std::pair{"lfItalic", &font.lfItalic}, {"lfUnderline", &font.lfUnderline},
          {"lfStrikeOut", &font.lfStrikeOut}, {"lfCharSet", &font.lfCharSet},
          {"lfOutPrecision", &font.lfOutPrecision}, {"lfClipPrecision", &font.lfClipPrecision},
          {"lfQuality", &font.lfQuality}, {"lfPitchAndFamily", &font.lfPitchAndFamily}}) {
      reader.field(key, *value);
    }
    std::string face(font.lfFaceName, sizeof(font.lfFaceName));
    reader.field("lfFaceName", face);
    if (face.size() > sizeof(font.lfFaceName)) {
      reader.fail("lfFaceName", "at most 32 bytes");
    } else {
      std::memset(font.lfFaceName, 0, sizeof(font.lfFaceName));
      std::memcpy(font.lfFaceName, face.data(), face.size());
    }
    reader.checkAllKeysUsed();
  }
  void field(const char* name, Record& nested) override {
    const Json* json = take(name);
    if (json) readRecord(*json, nested, where_ + "." + name);
  }
  void field(const char* name, RecordSequence& records, bool single) override {
    const Json* json = take(name);
    if (!json) return;
    std::string place = where_ + "." + name;
    if (single) {
      records.clear();
      if (!json->is_null()) appendRecord(*json, records, place);
      return;
    }
    if (!json->is_array()) return fail(name, "an array of records");
    records.clear();
    for (size_t i = 0; i < json->size() && error_.empty(); ++i) {
      appendRecord((*json)[i], records, place + "[" + std::to_string(i) + "]");
    }
  }

 private:
  const Json* take(const char* name) {
    if (!error_.empty()) return nullptr;
    auto it = in_.find(name);
    if (it == in_.end()) return nullptr;
    used_.insert(name);
    return &*it;
  }

  void fail(const std::string& name, const std::string& expected) {
    if (error_.empty()) error_ = where_ + "." + name + ": expected " + expected;
  }

  template <class Integer>
  bool toInteger(const Json& json, const char* name, Integer& value) {
    if (!json.is_number_integer()) {
      fail(name, "an integer");
      return false;
    }
    int64_t number = json.get<int64_t>();
    if (json.is_number_unsigned() && json.get<uint64_t>() > uint64_t(INT64_MAX)) number = -1;
    if (number < int64_t(std::numeric_limits<Integer>::min()) ||
        number > int64_t(std::numeric_limits<Integer>::max())) {
      fail(name, "an integer from " + std::to_string(int64_t(std::numeric_limits<Integer>::min())) +
                     " to " + std::to_string(int64_t(std::numeric_limits<Integer>::max())));
      return false;
    }
    value = static_cast<Integer>(number);
    return true;
  }

  template <class Integer>
  void readInteger(const char* name, Integer& value) {
    const Json* json = take(name);
    if (json) toInteger(*json, name, value);
  }

  bool toText(const Json& json, const char* name, std::string& value) {
    if (!json.is_string()) {
      fail(name, "a string");
      return false;
    }
    std::optional<std::string> bytes = utf8ToCp1252(json.get_ref<const std::string&>());
    if (!bytes) {
      fail(name, "text that Windows-1252 can hold");
      return false;
    }
    value = std::move(*bytes);
    return true;
  }

  void readRecord(const Json& json, Record& record, const std::string& place) {
    if (!json.is_object()) {
      if (error_.empty()) error_ = place + ": expected an object of class " + record.className();
      return;
    }
    auto cls = json.find("class");
    if (cls == json.end() || !cls->is_string() || *cls != record.className()) {
      if (error_.empty()) error_ = place + ": expected \"class\": \"" + record.className() + "\"";
      return;
    }
    JsonReader reader(registry_, json, place, &error_);
    record.visitFields(reader);
    reader.checkAllKeysUsed();
    const std::string fault = record.inconsistency();
    if (!fault.empty() && error_.empty()) error_ = place + ": " + fault;
  }

  void appendRecord(const Json& json, RecordSequence& records, const std::string& place) {
    if (!error_.empty()) return;
    auto cls = json.is_object() ? json.find("class") : json.end();
    if (!json.is_object() || cls == json.end() || !cls->is_string()) {
      error_ = place + ": expected an object with a \"class\" key";
      return;
    }
    const std::string& class_name = cls->get_ref<const std::string&>();
    Record* record = records.append(registry_, class_name);
    if (record == nullptr) {
      error_ = place + ": class \"" + class_name + "\" is unknown or cannot stand here";
      return;
    }
    readRecord(json, *record, place);
  }

  const ClassRegistry& registry_;
  const Json& in_;
  std::string where_;
  std::string& error_;
  std::set<std::string> used_;
};

}  // namespace

Json fieldsToJson(const std::function<void(FieldVisitor&)>& visit_fields) {
  Json object = Json::object();
  JsonWriter writer(object);
  visit_fields(writer);
  return object;
}

Status fieldsFromJson(const ClassRegistry& registry, const Json& object, const std::function<void(FieldVisitor&)>& visit_fields,
                      const std::string& where) {
  if (!object.is_object()) return Status::corruption(where + ": expected a JSON object");
  std::string error;
  JsonReader reader(registry, object, where, &error);
  visit_fields(reader);
  reader.checkAllKeysUsed();
  if (!error.empty()) return Status::corruption(error);
  return Status::success();
}

}  // namespace quorvex
