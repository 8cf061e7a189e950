#pragma once

#include <string>

namespace common {

enum class MessageIcon { None, Information, Exclamation, Critical };
enum class MessageButtons { Ok, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };
enum class PointerShape { Arrow, Cross, FourWay };

// What the core asks of the window: implemented by the Qt main window, and
// by a scripted fake in the tests. Controls are named as in the window
// ("MnuCopier", "OptRond"...).
class UiPort {
 public:
  virtual ~UiPort() = default;

  // A modal message box; an empty title stands for the program's own title.
  virtual MessageAnswer ShowMessage(const std::string& text, MessageIcon icon,
                                    MessageButtons buttons, const std::string& title) = 0;
  // A one-line input box; the empty string when cancelled.
  virtual std::string InputBox(const std::string& prompt, const std::string& title,
                               const std::string& defaultAnswer) = 0;

  // Status-bar panels are numbered from 1.
  virtual void SetStatusText(int panel, const std::string& text) = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetEnabled(const std::string& control, bool enabled) = 0;
  virtual void SetChecked(const std::string& control, bool checked) = 0;
  virtual void SetPointer(PointerShape shape) = 0;
  virtual void Beep() = 0;

  // The user's decimal separator, for numbers shown to the user.
  virtual char DecimalSeparator() const { return '.'; }

  // Shorthand for the common OK-only message.
  void Tell(const std::string& text, MessageIcon icon = MessageIcon::None) {
    ShowMessage(text, icon, MessageButtons::Ok, std::string());
  }
};

}  // namespace common
