#include "platform/memory/resource_script.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace platform::memory {
namespace {

// The names of the system headers that the script uses, with their values.
const std::map<std::string, std::int64_t>& SystemNames() {
  static const std::map<std::string, std::int64_t> names = {
      {"IDOK", 1},
      {"IDCANCEL", 2},
      {"WS_POPUP", 0x80000000},
      {"WS_CHILD", 0x40000000},
      {"WS_VISIBLE", 0x10000000},
      {"WS_DISABLED", 0x08000000},
      {"WS_CAPTION", 0x00C00000},
      {"WS_SYSMENU", 0x00080000},
      {"WS_GROUP", 0x00020000},
      {"WS_TABSTOP", 0x00010000},
      {"WS_EX_APPWINDOW", 0x00040000},
      {"WS_EX_TOOLWINDOW", 0x00000080},
      {"DS_SETFONT", 0x40},
      {"DS_MODALFRAME", 0x80},
      {"ES_CENTER", 0x1},
      {"ES_PASSWORD", 0x20},
      {"ES_AUTOHSCROLL", 0x80},
      {"ES_NUMBER", 0x2000},
      {"BS_AUTORADIOBUTTON", 0x9},
      {"BS_OWNERDRAW", 0xB},
      {"SS_LEFT", 0x0},
      {"LVS_REPORT", 0x1},
      {"LVS_SINGLESEL", 0x4},
      {"LVS_ALIGNLEFT", 0x800},
  };
  return names;
}

constexpr std::uint32_t kChildVisible = 0x40000000 | 0x10000000;

struct Token {
  enum Kind { kWord, kString, kComma, kBar } kind;
  std::string text;
  int line;
};

class Parser {
 public:
  Parser(std::vector<Token> tokens, std::map<std::string, std::string> defines)
      : tokens_(std::move(tokens)), defines_(std::move(defines)) {}

  bool Parse(ResourceScript& script) {
    while (at_ < tokens_.size() && error_.what.empty()) {
      const Token& first = tokens_[at_++];
      if (first.text == "LANGUAGE") {
        Word();
        Comma();
        Word();
      } else if (first.text == "STRINGTABLE") {
        ParseStrings(script);
      } else if (Peek("DIALOGEX")) {
        ++at_;
        DialogTemplate dialog;
        dialog.id = Number(first);
        ParseDialog(dialog);
        script.dialogs[dialog.id] = std::move(dialog);
      } else if (Peek("BITMAP") || Peek("ICON")) {
        const bool bitmap = tokens_[at_++].text == "BITMAP";
        (bitmap ? script.bitmap_files : script.icon_files)[Number(first)] = String();
      } else {
        Fail(first, "unexpected \"" + first.text + "\"");
      }
    }
    return error_.what.empty();
  }

  const ScriptError& error() const { return error_; }

 private:
  void ParseStrings(ResourceScript& script) {
    Expect("BEGIN");
    while (error_.what.empty() && !Peek("END")) {
      const int id = Number(Next());
      script.strings[id] = String();
    }
    Expect("END");
  }

  void ParseDialog(DialogTemplate& dialog) {
    dialog.x = Integer();
    Comma();
    dialog.y = Integer();
    Comma();
    dialog.width = Integer();
    Comma();
    dialog.height = Integer();
    while (error_.what.empty() && !Peek("BEGIN")) {
      const Token& keyword = Next();
      if (keyword.text == "STYLE") {
        dialog.style = Flags();
      } else if (keyword.text == "EXSTYLE") {
        dialog.ex_style = Flags();
      } else if (keyword.text == "CAPTION") {
        dialog.caption = String();
      } else if (keyword.text == "FONT") {
        Integer();
        Comma();
        String();
        for (int field = 0; field < 3; ++field) {
          Comma();
          Integer();
        }
      } else {
        Fail(keyword, "unexpected \"" + keyword.text + "\" in a dialog header");
      }
    }
    Expect("BEGIN");
    while (error_.what.empty() && !Peek("END")) dialog.controls.push_back(Control());
    Expect("END");
  }

  ControlTemplate Control() {
    ControlTemplate control;
    const Token& keyword = Next();
    if (keyword.text == "CONTROL") {
      control.text = String();
      Comma();
      control.id = Integer();
      Comma();
      control.class_name = ClassName();
      Comma();
      control.style = Flags();
    } else if (keyword.text == "ICON") {
      control.text = Word().text;
      Comma();
      control.id = Integer();
      control.class_name = "Static";
      control.style = kChildVisible | 0x3;  // SS_ICON
    } else if (keyword.text == "LTEXT" || keyword.text == "DEFPUSHBUTTON" ||
               keyword.text == "PUSHBUTTON") {
      control.text = String();
      Comma();
      control.id = Integer();
      if (keyword.text == "LTEXT") {
        control.class_name = "Static";
        control.style = kChildVisible | 0x00020000;  // WS_GROUP, SS_LEFT
      } else {
        control.class_name = "Button";
        control.style = kChildVisible | 0x00010000 | (keyword.text == "DEFPUSHBUTTON" ? 1 : 0);
      }
    } else {
      Fail(keyword, "unexpected \"" + keyword.text + "\" in a dialog body");
      return control;
    }
    Comma();
    control.x = Integer();
    Comma();
    control.y = Integer();
    Comma();
    control.width = Integer();
    Comma();
    control.height = Integer();
    return control;
  }

  std::string ClassName() {
    if (at_ < tokens_.size() && tokens_[at_].kind == Token::kString) return String();
    const Token& name = Word();
    const auto define = defines_.find(name.text);
    if (define != defines_.end() && define->second.size() >= 2 && define->second.front() == '"') {
      return define->second.substr(1, define->second.size() - 2);
    }
    Fail(name, "\"" + name.text + "\" is no class name");
    return {};
  }

  std::uint32_t Flags() {
    std::uint32_t flags = static_cast<std::uint32_t>(Number(Word()));
    while (at_ < tokens_.size() && tokens_[at_].kind == Token::kBar) {
      ++at_;
      flags |= static_cast<std::uint32_t>(Number(Word()));
    }
    return flags;
  }

  int Integer() { return static_cast<int>(Number(Word())); }

  std::int64_t Number(const Token& token) {
    std::string text = token.text;
    for (int depth = 0; depth < 8; ++depth) {
      const auto define = defines_.find(text);
      if (define == defines_.end()) break;
      text = define->second;
    }
    const auto system = SystemNames().find(text);
    if (system != SystemNames().end()) return system->second;
    if (text.size() > 2 && text.front() == '(' && text.back() == ')') {
      text = text.substr(1, text.size() - 2);
    }
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 0);
    if (text.empty() || *end != '\0') {
      Fail(token, "\"" + token.text + "\" is no number");
      return 0;
    }
    return value;
  }

  bool Peek(const char* word) const {
    return at_ < tokens_.size() && tokens_[at_].kind == Token::kWord && tokens_[at_].text == word;
  }

  const Token& Next() {
    static const Token kEnd{Token::kWord, "", 0};
    if (at_ >= tokens_.size()) {
      Fail(kEnd, "unexpected end of the script");
      return kEnd;
    }
    return tokens_[at_++];
  }

  const Token& Take(Token::Kind kind, const char* what) {
    const Token& token = Next();
    if (token.kind != kind && error_.what.empty()) Fail(token, std::string("expected ") + what);
    return token;
  }

  const Token& Word() { return Take(Token::kWord, "a name or a number"); }
  std::string String() { return Take(Token::kString, "a string").text; }
  void Comma() { Take(Token::kComma, "a comma"); }

  void Expect(const char* word) {
    const Token& token = Next();
    if (token.text != word && error_.what.empty()) Fail(token, std::string("expected ") + word);
  }

  void Fail(const Token& token, std::string what) {
    if (!error_.what.empty()) return;
    error_.line = token.line;
    error_.what = std::move(what);
    at_ = tokens_.size();
  }

  std::vector<Token> tokens_;
  std::map<std::string, std::string> defines_;
  std::size_t at_ = 0;
  ScriptError error_;
};

std::map<std::string, std::string> ReadDefines(const std::string& header) {
  std::map<std::string, std::string> defines;
  std::istringstream lines(header);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string directive, name, value;
    if (words >> directive >> name >> value && directive == "#define") defines[name] = value;
  }
  return defines;
}

// Splits the script into tokens; comments and preprocessor lines go.
std::vector<Token> Tokenise(const std::string& script, ScriptError* error) {
  std::vector<Token> tokens;
  int line = 1;
  std::size_t at = 0;
  bool line_start = true;
  while (at < script.size()) {
    const char c = script[at];
    if (c == '\n') {
      ++line;
      ++at;
      line_start = true;
      continue;
    }
    if (std::isspace(static_cast<unsigned char>(c))) {
      ++at;
      continue;
    }
    if ((line_start && c == '#') || script.compare(at, 2, "//") == 0) {
      while (at < script.size() && script[at] != '\n') ++at;
      continue;
    }
    line_start = false;
    if (c == ',' || c == '|') {
      tokens.push_back({c == ',' ? Token::kComma : Token::kBar, std::string(1, c), line});
      ++at;
    } else if (c == '"') {
      std::string text;
      ++at;
      while (at < script.size() && script[at] != '"' && script[at] != '\n') text += script[at++];
      if (at >= script.size() || script[at] != '"') {
        *error = {line, "a string that does not end"};
        return {};
      }
      ++at;
      tokens.push_back({Token::kString, std::move(text), line});
    } else {
      std::string word;
      while (at < script.size() && !std::isspace(static_cast<unsigned char>(script[at])) &&
             script[at] != ',' && script[at] != '|' && script[at] != '"') {
        word += script[at++];
      }
      tokens.push_back({Token::kWord, std::move(word), line});
    }
  }
  return tokens;
}

std::optional<std::string> ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

}  // namespace

ResourceScript ParseResourceScript(const std::string& script, const std::string& header,
                                   ScriptError* error) {
  ResourceScript parsed;
  ScriptError tokenising;
  std::vector<Token> tokens = Tokenise(script, &tokenising);
  if (!tokenising.what.empty()) {
    *error = tokenising;
    return {};
  }
  Parser parser(std::move(tokens), ReadDefines(header));
  if (!parser.Parse(parsed)) {
    *error = parser.error();
    return {};
  }
  *error = {};
  return parsed;
}

std::optional<ResourceScript> LoadResourceScript(const std::string& folder, std::string* error) {
  const std::optional<std::string> script = ReadFile(folder + "/velmarVPN.rc");
  const std::optional<std::string> header = ReadFile(folder + "/resource.h");
  if (!script || !header) {
    *error = "cannot read velmarVPN.rc and resource.h in " + folder;
    return std::nullopt;
  }
  ScriptError parse_error;
  ResourceScript parsed = ParseResourceScript(*script, *header, &parse_error);
  if (!parse_error.what.empty()) {
    *error = "velmarVPN.rc line " + std::to_string(parse_error.line) + ": " + parse_error.what;
    return std::nullopt;
  }
  return parsed;
}

}  // namespace platform::memory
