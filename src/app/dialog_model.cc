#include "app/dialog_model.h"

#include <utility>

namespace quorvex {

DialogModel::DialogModel(std::string title, std::string helpTopic)
    : title_(std::move(title)),
      helpTopic_(helpTopic.empty() ? helpTopicOf(title_) : std::move(helpTopic)) {}

std::string helpTopicOf(const std::string& title) {
  std::string topic;
  for (char c : title) {
    if (c != ' ') topic.push_back(c);
  }
  return topic + ".html";
}

}  // namespace quorvex
