#ifndef QUORVEX_APP_DOCUMENT_FIELDS_H_
#define QUORVEX_APP_DOCUMENT_FIELDS_H_

#include <string>
#include <vector>

#include "document/json_form.h"
#include "platform/status.h"

namespace quorvex {

struct AppServices;
class HeadlessFrontEnd;

// Reads and changes the stored fields of the open document by readable
// paths, for front ends without dialogs.
//
// A path is either a friendly name (aliases(): "company.email",
// "tax.rate[WA]", "shipping.basedOn", ...) or a path through the document's
// JSON form: member names separated by ".", list items by "[N]" counted from
// 0 ("m_pBusiness.currencySymbol", "m_pContact.phones[0].value"). Members may
// be named without their "m_p"/"m_str" prefix and in any case
// ("business.currencySymbol").
//
// A friendly name changes its field through the model of the step that edits
// it (and that step's dialogs, filled through the HeadlessFrontEnd), so a
// value the dialog refuses is refused with the dialog's message, and the
// step's follow-up (contact pages, ...) runs. A JSON path changes the field
// as "load" would, checked only by the JSON form.
class DocumentFields {
 public:
  struct Alias {
    // The name, with "[KEY]" for a field of a keyed entry.
    const char* name;
    // What the field holds, for help texts.
    const char* help;
  };

  // `app.frontEnd` must be `frontEnd`; both must outlive this object.
  DocumentFields(AppServices& app, HeadlessFrontEnd& frontEnd);

  // The friendly names, in the order the help lists them.
  static const std::vector<Alias>& aliases();

  // Every name a path may start with: the friendly names (without their
  // key) and the document's members, for "did you mean".
  std::vector<std::string> pathNames() const;

  // Returns the value at `path` in `value`: a string for a text or a named
  // enumeration, a number, or the JSON form of a record or list. Fails with
  // notFound for a path that names no field.
  Status get(const std::string& path, Json* value) const;

  // Sets the field at `path` to `text` (UTF-8): a number for a number field,
  // a name for an enumeration, JSON for a record or list. Fails with
  // notFound for a path that names no field, invalidArgument for a value of
  // the wrong kind, and with refused when the step's dialog refused the value (its
  // message was shown through the Prompter; the status message says which
  // field).
  Status set(const std::string& path, const std::string& text);

 private:
  AppServices& app_;
  HeadlessFrontEnd& frontEnd_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_DOCUMENT_FIELDS_H_
