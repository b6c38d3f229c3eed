// Whether a listed window's title has changed enough to show the new one: a change of case alone does not count.
#pragma once

#include <functional>
#include <string>

namespace qiv {

// Whether a byte opens a two-byte character in the system's code page (IsDBCSLeadByte on Windows).
using LeadByteTest = std::function<bool(unsigned char)>;

// False for an empty title (the item keeps its text) and for one that differs from shown only in the case of
// letters. The second byte of a two-byte character is compared as it is: in a double-byte code page it may
// have the value of a letter without being one.
bool IsTitleChanged(const std::string& shown, const std::string& title, const LeadByteTest& isLeadByte);

}  // namespace qiv
