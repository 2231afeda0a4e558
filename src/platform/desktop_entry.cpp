#include "platform/desktop_entry.h"

namespace quillet {

std::string UnescapeDesktopValue(std::string_view value) {
  std::string out;
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\' || i + 1 == value.size()) {
      out += value[i];
      continue;
    }
    switch (value[++i]) {
      case 's': out += ' '; break;
      case 'n': out += '\n'; break;
      case 't': out += '\t'; break;
      case 'r': out += '\r'; break;
      case '\\': out += '\\'; break;
      default:
        out += '\\';
        out += value[i];
    }
  }
  return out;
}

std::vector<std::string> SplitExecWords(std::string_view value) {
  const std::string s = UnescapeDesktopValue(value);
  std::vector<std::string> words;
  std::string word;
  bool inWord = false, quoted = false;
  for (size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (quoted) {
      if (c == '"') {
        quoted = false;
      } else if (c == '\\' && i + 1 < s.size() && std::string_view("\"`$\\").find(s[i + 1]) != std::string_view::npos) {
        word += s[++i];
      } else {
        word += c;
      }
    } else if (c == ' ' || c == '\t' || c == '\n') {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
    } else if (c == '"') {
      quoted = inWord = true;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(word);
  return words;
}

namespace {

// The program's word as written, "%%" and all.
std::string ProgramWord(std::string_view value) {
  const std::vector<std::string> words = SplitExecWords(value);
  size_t i = 0;
  const auto isEnv = [](const std::string& w) { return w == "env" || w.ends_with("/env"); };
  if (!words.empty() && isEnv(words[0])) {
    i = 1;
    while (i < words.size() && (words[i].find('=') != std::string::npos || words[i].starts_with('-'))) ++i;
    if (i == words.size()) i = 0;
  }
  return words.empty() ? std::string() : words[i];
}

}  // namespace

std::string ExecProgram(std::string_view value) {
  std::string program;
  const std::string word = ProgramWord(value);
  for (size_t i = 0; i < word.size(); ++i) {
    program += word[i];
    if (word[i] == '%' && i + 1 < word.size() && word[i + 1] == '%') ++i;
  }
  return program;
}

std::string ExecProgramName(std::string_view value) {
  const std::string program = ProgramWord(value);
  std::string name;
  // A field code ends the name; "%%" is a percent sign.
  for (size_t i = program.rfind('/') + 1; i < program.size(); ++i) {  // npos + 1 == 0: a bare name
    if (program[i] == '%') {
      if (i + 1 == program.size() || program[i + 1] != '%') break;
      ++i;
    }
    name += program[i];
  }
  const size_t first = name.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return name.substr(first, name.find_last_not_of(" \t") - first + 1);
}

std::string ExecValueFor(std::string_view programPath) {
  std::string percent;  // a "%" is written twice
  for (char c : programPath) percent += c == '%' ? std::string("%%") : std::string(1, c);
  // A plain path stands as it is (simple readers of the line, such as xdg-mime, take the first
  // word as it stands).
  if (programPath.find_first_of(" \t\n\"'\\><~|&;$*?#()`=") == std::string_view::npos) return percent + " %f";
  // Inside the quotes "\" goes before """, "`", "$" and "\"; then the string rule writes every
  // "\" twice.
  std::string quoted = "\"";
  for (char c : programPath) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    if (c == '%') quoted += '%';
    quoted += c;
  }
  quoted += '"';
  std::string value;
  for (char c : quoted) {
    if (c == '\\') value += '\\';
    value += c;
  }
  return value + " %f";
}

}  // namespace quillet
