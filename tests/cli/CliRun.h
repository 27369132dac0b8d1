#pragma once

// Runs skiagraf-cli as a user runs it, for the command tests.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace skiagraf {

struct CliRun {
  int status = -1;
  std::string out, err;
};

inline CliRun RunCli(const std::string& args) {
  char errPath[] = "/tmp/skiagraf-cli-err-XXXXXX";
  const int fd = mkstemp(errPath);
  if (fd >= 0) close(fd);
  const std::string command = std::string(SKIAGRAF_CLI) + " " + args + " 2>" + errPath;
  CliRun run;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::ifstream err(errPath);
  std::stringstream text;
  text << err.rdbuf();
  run.err = text.str();
  std::remove(errPath);
  return run;
}

// The whole content of a file the command wrote, byte for byte.
inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Lines as the command prints them, each ended by a line feed.
inline std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

}  // namespace skiagraf
