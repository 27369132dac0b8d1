#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "text/Texts.h"

namespace skiagraf {

// The core never opens a window. Every message box, question, input box and file
// choice goes through this interface: the desktop program shows real dialogs, the
// command-line front end prints to stderr and answers "No", and tests script the
// answers with ScriptedUserInterface.

enum class MessageIcon { None, Information, Warning, Error, Question };

enum class Answer { Yes, No, Cancel, Ok };

enum class QuestionButtons { YesNo, YesNoCancel, OkCancel };

struct FileChoice {
  std::string title;
  std::string filter;       // "Description (*.ext)|*.ext|..." as the texts store it
  std::string initialName;  // proposed file name or folder
  std::string defaultExtension;
};

class UserInterface {
 public:
  virtual ~UserInterface() = default;

  // A message box with a title and a text; returns when the user has read it.
  virtual void ShowMessage(const std::string& title, const std::string& text, MessageIcon icon) = 0;

  // A question; the answer is one of the buttons offered.
  virtual Answer Ask(const std::string& title, const std::string& text, QuestionButtons buttons,
                     MessageIcon icon = MessageIcon::Question) = 0;

  // An input box; std::nullopt when the user cancels.
  virtual std::optional<std::string> InputText(const std::string& title, const std::string& prompt,
                                               const std::string& initial) = 0;

  // File dialogs; std::nullopt when the user cancels. Saving asks before overwriting.
  virtual std::optional<std::string> ChooseOpenFile(const FileChoice& choice) = 0;
  virtual std::optional<std::string> ChooseSaveFile(const FileChoice& choice) = 0;

  // Convenience: a message box with a title from the caption table and message n.
  void ShowTableMessage(CaptionKind kind, int message, MessageIcon icon);
};

// The process-wide interface. Until one is installed, messages go to stderr and
// every question is answered "No" (input boxes and file choices are cancelled).
UserInterface& Ui();
void SetUserInterface(UserInterface* ui);  // nullptr restores the stderr default

// Installs an interface for the lifetime of the object (tests, the CLI).
class ScopedUserInterface {
 public:
  explicit ScopedUserInterface(UserInterface& ui);
  ~ScopedUserInterface();
  ScopedUserInterface(const ScopedUserInterface&) = delete;
  ScopedUserInterface& operator=(const ScopedUserInterface&) = delete;

 private:
  UserInterface* previous_;
};

// Prints every message and question to stderr, prefixed by its title, and answers
// every question "No". Used by the command-line front end.
class StderrUserInterface : public UserInterface {
 public:
  void ShowMessage(const std::string& title, const std::string& text, MessageIcon icon) override;
  Answer Ask(const std::string& title, const std::string& text, QuestionButtons buttons,
             MessageIcon icon) override;
  std::optional<std::string> InputText(const std::string& title, const std::string& prompt,
                                       const std::string& initial) override;
  std::optional<std::string> ChooseOpenFile(const FileChoice& choice) override;
  std::optional<std::string> ChooseSaveFile(const FileChoice& choice) override;
};

// Records everything shown and answers from queues; for tests. An empty queue
// answers No / cancels.
class ScriptedUserInterface : public UserInterface {
 public:
  struct Shown {
    std::string title;
    std::string text;
    MessageIcon icon;
    bool question;  // true for Ask, false for ShowMessage
  };

  std::vector<Shown> shown;
  std::deque<Answer> answers;
  std::deque<std::optional<std::string>> inputs;
  std::deque<std::optional<std::string>> files;
  std::vector<FileChoice> fileChoices;  // every file dialog asked for, in order

  void ShowMessage(const std::string& title, const std::string& text, MessageIcon icon) override;
  Answer Ask(const std::string& title, const std::string& text, QuestionButtons buttons,
             MessageIcon icon) override;
  std::optional<std::string> InputText(const std::string& title, const std::string& prompt,
                                       const std::string& initial) override;
  std::optional<std::string> ChooseOpenFile(const FileChoice& choice) override;
  std::optional<std::string> ChooseSaveFile(const FileChoice& choice) override;

  // True when some message or question shown so far contains `fragment`.
  bool Showed(const std::string& fragment) const;
};

}  // namespace skiagraf
