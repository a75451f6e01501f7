// standin_asm51.exe: plays the assembler in the GUI scenarios. It appends to the file named by
// TAMRILL_STANDIN_LOG one line saying how it was started:
//
//   argument=<the text after its own name>|folder=<its current folder>|mod51=<first line or
//   "missing">|mod52=<first line or "missing">
//
// then waits TAMRILL_STANDIN_DELAY_MS milliseconds, if set, and writes <argument>.lst, ending in
// the summary TAMRILL_STANDIN_SUMMARY (default "ASSEMBLY COMPLETE, NO ERRORS FOUND"), and
// <argument>.hex into its current folder, where the real assembler writes them too. With the
// summary "-" it writes nothing, as an assembler that fails without a word; with
// TAMRILL_STANDIN_HEX=no it writes the listing alone, as an assembler that cannot write the HEX
// file (held open by a programmer tool, read-only).

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                        nullptr, nullptr);
  return out;
}

std::wstring environment(const wchar_t* name) {
  const DWORD size = ::GetEnvironmentVariableW(name, nullptr, 0);
  if (size == 0) return {};
  std::wstring value(size, L'\0');
  const DWORD written = ::GetEnvironmentVariableW(name, value.data(), size);
  value.resize(written);
  return value;
}

// The command line less the program's own name, as the program was given it.
std::wstring argumentText() {
  const wchar_t* line = ::GetCommandLineW();
  if (*line == L'"') {
    ++line;
    while (*line != L'\0' && *line != L'"') ++line;
    if (*line == L'"') ++line;
  } else {
    while (*line != L'\0' && *line != L' ' && *line != L'\t') ++line;
  }
  while (*line == L' ' || *line == L'\t') ++line;
  return line;
}

std::wstring currentFolder() {
  const DWORD size = ::GetCurrentDirectoryW(0, nullptr);
  std::wstring folder(size, L'\0');
  folder.resize(::GetCurrentDirectoryW(size, folder.data()));
  return folder;
}

// The first line of an include file in the current folder, or "missing".
std::string firstLine(const wchar_t* name) {
  FILE* file = _wfopen(name, L"rb");
  if (file == nullptr) return "missing";
  std::string line;
  for (int c = std::fgetc(file); c != EOF && c != '\r' && c != '\n'; c = std::fgetc(file)) {
    line += static_cast<char>(c);
  }
  std::fclose(file);
  return line;
}

bool writeFile(const std::wstring& path, const std::string& content) {
  FILE* file = _wfopen(path.c_str(), L"wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace

int wmain() {
  const std::wstring argument = argumentText();
  const std::wstring log = environment(L"TAMRILL_STANDIN_LOG");
  if (!log.empty()) {
    FILE* file = _wfopen(log.c_str(), L"ab");
    if (file != nullptr) {
      const std::string record = "argument=" + utf8(argument) + "|folder=" + utf8(currentFolder()) +
                                 "|mod51=" + firstLine(L"mod51") + "|mod52=" + firstLine(L"mod52") +
                                 "\n";
      std::fwrite(record.data(), 1, record.size(), file);
      std::fclose(file);
    }
  }

  const std::wstring delay = environment(L"TAMRILL_STANDIN_DELAY_MS");
  if (!delay.empty()) ::Sleep(static_cast<DWORD>(std::wcstoul(delay.c_str(), nullptr, 10)));

  if (argument.empty()) return 2;
  std::wstring summary = environment(L"TAMRILL_STANDIN_SUMMARY");
  if (summary.empty()) summary = L"ASSEMBLY COMPLETE, NO ERRORS FOUND";
  if (summary == L"-") return 0;
  const bool hex = environment(L"TAMRILL_STANDIN_HEX") != L"no";
  const bool written =
      writeFile(argument + L".lst", "0000  ORG 0\r\n\r\n" + utf8(summary) + "\r\n") &&
      (!hex || writeFile(argument + L".hex", ":00000001FF\r\n"));
  return written ? 0 : 1;
}
