#include "base/UserInterface.h"

#include <iostream>

namespace skiagraf {

namespace {

StderrUserInterface g_stderr_ui;
UserInterface* g_ui = &g_stderr_ui;

// "\n\r" and "\r" are the stored line breaks; a terminal wants "\n".
std::string PlainLines(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\n' && i + 1 < text.size() && text[i + 1] == '\r') {
      out += '\n';
      ++i;
    } else if (c == '\r') {
      if (i + 1 < text.size() && text[i + 1] == '\n') continue;
      out += '\n';
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

void UserInterface::ShowTableMessage(CaptionKind kind, int message, MessageIcon icon) {
  ShowMessage(Caption(kind), Message(message), icon);
}

UserInterface& Ui() { return *g_ui; }

void SetUserInterface(UserInterface* ui) { g_ui = ui ? ui : &g_stderr_ui; }

ScopedUserInterface::ScopedUserInterface(UserInterface& ui) : previous_(&Ui()) { SetUserInterface(&ui); }
ScopedUserInterface::~ScopedUserInterface() { SetUserInterface(previous_); }

void StderrUserInterface::ShowMessage(const std::string& title, const std::string& text, MessageIcon) {
  std::cerr << title << ": " << PlainLines(text) << '\n';
}

Answer StderrUserInterface::Ask(const std::string& title, const std::string& text, QuestionButtons,
                                MessageIcon) {
  std::cerr << title << ": " << PlainLines(text) << '\n';
  return Answer::No;
}

std::optional<std::string> StderrUserInterface::InputText(const std::string& title, const std::string& prompt,
                                                          const std::string&) {
  std::cerr << title << ": " << PlainLines(prompt) << '\n';
  return std::nullopt;
}

std::optional<std::string> StderrUserInterface::ChooseOpenFile(const FileChoice&) { return std::nullopt; }
std::optional<std::string> StderrUserInterface::ChooseSaveFile(const FileChoice&) { return std::nullopt; }

void ScriptedUserInterface::ShowMessage(const std::string& title, const std::string& text, MessageIcon icon) {
  shown.push_back({title, text, icon, false});
}

Answer ScriptedUserInterface::Ask(const std::string& title, const std::string& text, QuestionButtons,
                                  MessageIcon icon) {
  shown.push_back({title, text, icon, true});
  if (answers.empty()) return Answer::No;
  Answer a = answers.front();
  answers.pop_front();
  return a;
}

std::optional<std::string> ScriptedUserInterface::InputText(const std::string& title, const std::string& prompt,
                                                            const std::string&) {
  shown.push_back({title, prompt, MessageIcon::None, true});
  if (inputs.empty()) return std::nullopt;
  auto v = inputs.front();
  inputs.pop_front();
  return v;
}

std::optional<std::string> ScriptedUserInterface::ChooseOpenFile(const FileChoice& choice) {
  fileChoices.push_back(choice);
  if (files.empty()) return std::nullopt;
  auto v = files.front();
  files.pop_front();
  return v;
}

std::optional<std::string> ScriptedUserInterface::ChooseSaveFile(const FileChoice& choice) {
  return ChooseOpenFile(choice);
}

bool ScriptedUserInterface::Showed(const std::string& fragment) const {
  for (const auto& s : shown) {
    if (s.text.find(fragment) != std::string::npos || s.title.find(fragment) != std::string::npos) return true;
  }
  return false;
}

}  // namespace skiagraf
