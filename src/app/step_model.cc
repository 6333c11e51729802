#include "app/step_model.h"

#include "app/step_routing.h"

namespace quorvex {

namespace {

std::string titleOf(int command) {
  const WizardStep* step = findWizardStep(command);
  return step != nullptr ? step->title : "";
}

}  // namespace

StepModel::StepModel(int command) : DialogModel(titleOf(command)), command_(command) {}

}  // namespace quorvex
