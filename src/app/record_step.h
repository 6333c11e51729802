#ifndef QUORVEX_APP_RECORD_STEP_H_
#define QUORVEX_APP_RECORD_STEP_H_

#include "app/step_model.h"
#include "document/record.h"

namespace quorvex {

// A step whose dialog edits one record of the document and has no
// follow-up ("Order And Payment Settings", "Server Preferences").
template <class T>
class RecordStep : public StepModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // Copies `*member`; the member must outlive the step.
  RecordStep(int command, Owned<T>& member)
      : StepModel(command), record(*member), member_(member) {}

  T record;

  // Stores the record back.
  void apply() override { *member_ = record; }

 private:
  Owned<T>& member_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_RECORD_STEP_H_
