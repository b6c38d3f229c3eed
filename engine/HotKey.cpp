// A key combination as the program stores and compares it.
#include "engine/HotKey.h"

#include "engine/DecimalText.h"

namespace qiv {

std::string HotKey::ToText() const { return std::to_string(key) + ' ' + std::to_string(modifiers); }

void HotKey::ReadText(const std::string& text) {
  std::size_t pos = 0;
  if (ReadDecimal(text, pos, key)) ReadDecimal(text, pos, modifiers);
}

}  // namespace qiv
