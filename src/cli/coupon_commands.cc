// The coupon command: the coupons of "Coupon Manager", each added or changed
// through "Coupon Data And Schedule" with its checks.

#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/coupon_dialog.h"
#include "app/coupon_manager_step.h"
#include "cli/cli_command.h"
#include "cli/document_session.h"
#include "cli/name_choice.h"
#include "document/json_form.h"
#include "platform/text_encoding.h"

namespace quorvex::cli {
namespace {

// The schedule formats by the names the command takes, in the order of
// CCoupon's formats.
const std::vector<std::string>& scheduleNames() {
  static const std::vector<std::string> names = {"monthly", "weekly", "months", "years", "dates"};
  return names;
}

// The names a coupon shows for the weekdays (`weekly`) or the months, taken
// from the coupon's own schedule texts.
std::vector<std::string> scheduleWords(bool weekdays) {
  std::vector<std::string> words;
  CCoupon coupon;
  coupon.scheduleFormat = weekdays ? CCoupon::kWeekly : CCoupon::kMonthRange;
  for (int32_t i = 0; i < (weekdays ? 7 : 12); ++i) {
    (weekdays ? coupon.beginWeekday : coupon.beginMonth) = i;
    words.push_back(coupon.beginText());
  }
  return words;
}

// The options of coupon add and set, in the documents' code page.
struct CouponOptions {
  std::optional<std::string> name, header, text, expiration, style, schedule, from, to;
};

// Reads the options after DOC.qvx NAME; returns an error message, empty on
// success.
std::string parseOptions(const std::vector<std::string>& args, size_t first, bool renaming,
                         CouponOptions& options) {
  for (size_t i = first; i < args.size(); ++i) {
    if (i + 1 >= args.size()) return "unexpected argument " + args[i];
    std::optional<std::string> value = utf8ToCp1252(args[i + 1]);
    if (!value) return "the value of " + args[i] + " holds characters a document cannot store";
    const std::string& option = args[i++];
    if (option == "--header") {
      options.header = value;
    } else if (option == "--text") {
      options.text = value;
    } else if (option == "--expiration") {
      options.expiration = value;
    } else if (option == "--style") {
      options.style = value;
    } else if (option == "--schedule") {
      options.schedule = value;
    } else if (option == "--from") {
      options.from = value;
    } else if (option == "--to") {
      options.to = value;
    } else if (option == "--name" && renaming) {
      options.name = value;
    } else {
      return "unknown option " + option;
    }
  }
  if (options.schedule.has_value() != (options.from.has_value() && options.to.has_value())) {
    return "--schedule FORMAT goes with --from and --to";
  }
  return "";
}

// Sets one end of the schedule from `text`; returns an error message, empty
// on success. Dates are YYYY-MM-DD; the year is checked by the dialog.
std::string setEnd(CouponDialog& dialog, const std::string& text, bool begin) {
  int32_t& weekday = begin ? dialog.beginWeekday : dialog.endWeekday;
  int32_t& date = begin ? dialog.beginDate : dialog.endDate;
  int32_t& month = begin ? dialog.beginMonth : dialog.endMonth;
  std::string& year = begin ? dialog.beginYear : dialog.endYear;
  switch (dialog.format) {
    case CCoupon::kMonthly: {
      std::optional<int32_t> day = numberIn(text, 1, 31);
      if (!day) return "a monthly schedule runs from a date (1 to 31) to another";
      date = *day - 1;
      return "";
    }
    case CCoupon::kWeekly:
    case CCoupon::kMonthRange: {
      const std::vector<std::string> words = scheduleWords(dialog.format == CCoupon::kWeekly);
      std::optional<size_t> index = findName(words, text);
      if (!index) {
        return unknownNameMessage(dialog.format == CCoupon::kWeekly ? "weekday" : "month", text,
                                  words);
      }
      (dialog.format == CCoupon::kWeekly ? weekday : month) = static_cast<int32_t>(*index);
      return "";
    }
    case CCoupon::kYearRange: year = text; return "";
    default: {
      std::optional<int32_t> day = text.size() == 10 ? numberIn(text.substr(8), 1, 31) : std::nullopt;
      std::optional<int32_t> monthNumber =
          text.size() == 10 ? numberIn(text.substr(5, 2), 1, 12) : std::nullopt;
      if (!day || !monthNumber || text[4] != '-' || text[7] != '-') {
        return "a date range runs from a date YYYY-MM-DD to another";
      }
      year = text.substr(0, 4);
      month = *monthNumber - 1;
      date = *day - 1;
      return "";
    }
  }
}

// Writes the options into the coupon dialog; returns an error message,
// empty on success.
std::string fill(CouponDialog& dialog, const CouponOptions& options) {
  if (options.name) dialog.name = *options.name;
  if (options.header) dialog.header = *options.header;
  if (options.text) dialog.text = *options.text;
  if (options.expiration) dialog.expiration = *options.expiration;
  if (options.style) {
    std::optional<size_t> style = findName(dialog.styles(), *options.style);
    if (!style) return unknownNameMessage("coupon style", *options.style, dialog.styles());
    dialog.selectedStyle = style;
  }
  if (!options.schedule) return "";
  std::optional<size_t> format = findName(scheduleNames(), *options.schedule);
  if (!format) return unknownNameMessage("schedule", *options.schedule, scheduleNames());
  dialog.format = static_cast<int32_t>(*format);
  std::string error = setEnd(dialog, *options.from, true);
  return error.empty() ? setEnd(dialog, *options.to, false) : error;
}

// The coupon named `name` (exactly, else in any case); nullopt when there
// is none.
std::optional<size_t> couponIndex(const CCouponData& coupons, const std::string& name) {
  std::vector<std::string> names;
  for (const CCoupon& coupon : coupons.coupons) names.push_back(coupon.couponName);
  return findName(names, name);
}

int runList(CouponManagerStep& step, bool json) {
  const CouponManagerStep::GridRow header = CouponManagerStep::headerRow();
  Json list = Json::array();
  for (const CouponManagerStep::GridRow& row : step.rows()) {
    Json item = Json::object();
    for (size_t i = 1; i < row.size(); ++i) item[cp1252ToUtf8(header[i])] = cp1252ToUtf8(row[i]);
    list.push_back(std::move(item));
  }
  if (json) {
    std::cout << list.dump(2) << '\n';
    return kExitSuccess;
  }
  for (const Json& item : list) {
    std::string line;
    for (const auto& [column, value] : item.items()) {
      line += (line.empty() ? "" : "  |  ") + value.get<std::string>();
    }
    std::printf("%s\n", line.c_str());
  }
  return kExitSuccess;
}

int runCoupon(CliContext& context) {
  const std::vector<std::string>& args = context.args;
  if (args.size() < 2) return usageError(context, "expected list, add, set or remove and DOC.qvx");
  const std::string& verb = args[0];
  const std::vector<std::string> verbs = {"list", "add", "set", "remove"};
  if (!findName(verbs, verb)) return usageError(context, unknownNameMessage("coupon command", verb, verbs));
  if (verb != "list" && args.size() < 3) return usageError(context, "expected a coupon NAME");
  std::optional<std::string> name = verb == "list" ? std::string() : utf8ToCp1252(args[2]);
  if (!name) return failure("the coupon name holds characters a document cannot store");
  CouponOptions options;
  if (verb == "add" || verb == "set") {
    std::string error = parseOptions(args, 3, verb == "set", options);
    if (!error.empty()) return usageError(context, error);
    if (verb == "add") options.name = *name;
  }
  DocumentSession session(context.env);
  if (!session.open(args[1])) return kExitFailure;
  CouponManagerStep step(session.app());
  if (!step.prepare()) return kExitFailure;
  if (verb == "list") {
    if (args.size() > 3 || (args.size() == 3 && args[2] != "--json")) {
      return usageError(context, "list takes DOC.qvx [--json]");
    }
    return runList(step, args.size() == 3);
  }
  if (verb != "add") {
    step.selectedCoupon = couponIndex(step.coupons, *name);
    if (!step.selectedCoupon) return failure("there is no coupon \"" + *name + "\"");
  }
  const size_t before = step.coupons.coupons.size();
  if (verb == "remove") {
    if (args.size() != 3) return usageError(context, "remove takes DOC.qvx NAME");
    step.removeCoupon();
    if (step.coupons.coupons.size() == before) return kExitFailure;
    if (!session.applyAndSave(step)) return kExitFailure;
    return reportChange(context, "Removed the coupon " + *name + ".");
  }
  std::string fillError;
  session.frontEnd().expectDialog([&options, &fillError](DialogModel& model) {
    auto* dialog = dynamic_cast<CouponDialog*>(&model);
    if (dialog == nullptr) return false;
    fillError = fill(*dialog, options);
    return fillError.empty();
  });
  verb == "add" ? step.addCoupon() : step.editCoupon();
  if (!fillError.empty()) return usageError(context, fillError);
  if (!session.applyAndSave(step)) return kExitFailure;
  return reportChange(context, (verb == "add" ? "Added the coupon " : "Changed the coupon ") +
                                   options.name.value_or(*name) + ".");
}

}  // namespace

void addCouponCommands(std::vector<CliCommand>& commands) {
  commands.push_back(
      {"coupon",
       "list DOC.qvx [--json] | add DOC.qvx NAME [OPTIONS] | set DOC.qvx NAME [--name NEW]\n"
       "       [OPTIONS] | remove DOC.qvx NAME",
       "List, add, change or remove the coupons of Coupon Manager.",
       "Options: --header TEXT, --text TEXT, --expiration TEXT, --style STYLE (a coupon\n"
       "template's name), --schedule FORMAT --from X --to Y, where FORMAT is monthly\n"
       "(dates 1 to 31), weekly (weekday names), months (month names), years or dates\n"
       "(YYYY-MM-DD). The Coupon Data And Schedule dialog checks them with its\n"
       "messages (exit status 1): the name (no spaces or \\ / : * ? \" < > | # %, not one\n"
       "another coupon has), the years and the order of the schedule. remove asks\n"
       "first (--yes answers).\n",
       runCoupon});
}

}  // namespace quorvex::cli
