#ifndef QUORVEX_APP_STEP_RUNNER_H_
#define QUORVEX_APP_STEP_RUNNER_H_

#include <memory>

namespace quorvex {

struct AppServices;
class StepModel;

// Runs the wizard steps that edit the document in a dialog (every step but
// the two build commands): selects the step's navigator page, opens its
// dialog on copies, and after OK, Next or Previous marks the document
// modified, stores the copies back, runs the follow-up and posts the next or
// previous step as the routing table says for the document as it now is.
class StepRunner {
 public:
  // `app` must outlive the runner.
  explicit StepRunner(AppServices& app);

  // Runs step `command`. The style and page layout steps need pages: with an
  // empty page list they say so and run the site type step instead.
  void run(int command);

  // Returns the dialog model of step `command`, or null for a command that
  // is not such a step.
  std::unique_ptr<StepModel> makeModel(int command);

 private:
  void postFollowingStep(int command, bool next);

  AppServices& app_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_STEP_RUNNER_H_
