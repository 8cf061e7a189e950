#pragma once

#include "common/core/ui_port.h"

#include <deque>
#include <map>
#include <string>
#include <vector>

namespace testing_support {

// A UI port that records what the core shows and answers from a script.
class ScriptedUi : public common::UiPort {
 public:
  struct Message {
    std::string Text;
    common::MessageIcon Icon;
    common::MessageButtons Buttons;
    std::string Title;
  };
  struct Input {
    std::string Prompt;
    std::string Title;
    std::string Default;
  };

  std::vector<Message> Messages;
  std::vector<Input> Inputs;
  std::deque<common::MessageAnswer> Answers;  // for Yes/No/Cancel boxes
  std::deque<std::string> InputAnswers;       // for input boxes ("" = cancel)
  std::map<int, std::string> Status;
  std::map<std::string, bool> Enabled;
  std::map<std::string, bool> Checked;
  std::string Caption;
  common::PointerShape Pointer = common::PointerShape::Arrow;
  int Beeps = 0;
  char Separator = '.';

  common::MessageAnswer ShowMessage(const std::string& text, common::MessageIcon icon,
                                    common::MessageButtons buttons,
                                    const std::string& title) override {
    Messages.push_back({text, icon, buttons, title});
    if (buttons == common::MessageButtons::Ok || Answers.empty()) return common::MessageAnswer::Ok;
    common::MessageAnswer answer = Answers.front();
    Answers.pop_front();
    return answer;
  }
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultAnswer) override {
    Inputs.push_back({prompt, title, defaultAnswer});
    if (InputAnswers.empty()) return std::string();
    std::string answer = InputAnswers.front();
    InputAnswers.pop_front();
    return answer;
  }
  void SetStatusText(int panel, const std::string& text) override { Status[panel] = text; }
  void SetCaption(const std::string& caption) override { Caption = caption; }
  void SetEnabled(const std::string& control, bool enabled) override { Enabled[control] = enabled; }
  void SetChecked(const std::string& control, bool checked) override { Checked[control] = checked; }
  void SetPointer(common::PointerShape shape) override { Pointer = shape; }
  void Beep() override { ++Beeps; }
  char DecimalSeparator() const override { return Separator; }

  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const Message& m : Messages) texts.push_back(m.Text);
    return texts;
  }
};

}  // namespace testing_support
