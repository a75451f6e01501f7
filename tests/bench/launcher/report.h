#pragma once
// What the benchmark prints, as UTF-8: figures on standard output, trouble on standard error.

#include <string>
#include <vector>

namespace bench {

void say(const std::wstring& line);
void complain(const std::wstring& line);
// printf-style formatting of numbers into a line.
std::wstring format(const wchar_t* pattern, ...);

double median(std::vector<double> values);

}  // namespace bench
