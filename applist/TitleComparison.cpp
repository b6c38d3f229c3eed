// Whether a listed window's title has changed.
#include "applist/TitleComparison.h"

namespace qiv {
namespace {

unsigned char FoldCase(unsigned char c) { return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c - 'A' + 'a') : c; }

}  // namespace

bool IsTitleChanged(const std::string& shown, const std::string& title, const LeadByteTest& isLeadByte) {
  if (title.empty()) return false;
  if (shown.size() != title.size()) return true;
  for (size_t i = 0; i < title.size(); ++i) {
    const auto a = static_cast<unsigned char>(shown[i]);
    const auto b = static_cast<unsigned char>(title[i]);
    if (isLeadByte(b)) {
      // The pair is one character: both bytes must match as they are.
      if (a != b || i + 1 >= title.size() || shown[i + 1] != title[i + 1]) return true;
      ++i;
    } else if (FoldCase(a) != FoldCase(b)) {
      return true;
    }
  }
  return false;
}

}  // namespace qiv
