// Icons as portable code sees them: taken from the program's resources or from a file, and
// handed to one list that destroys them when the program ends.
#pragma once

#include <string>

namespace qiv {

// An icon of the system (HICON on Windows); opaque here.
struct IconObject;
using IconHandle = IconObject*;

class IconSource {
 public:
  virtual ~IconSource() = default;

  // The program's icon resource resourceId; null when it cannot be loaded.
  virtual IconHandle LoadBuiltinIcon(int resourceId) = 0;

  // Icon number index of an executable, library or icon file; null when the file has no such icon.
  virtual IconHandle ExtractFileIcon(const std::string& file, int index) = 0;

  // Enters the icon in the list that destroys its icons when the program ends. The caller keeps
  // using the handle but never destroys it itself.
  virtual void RegisterIcon(IconHandle icon) = 0;
};

}  // namespace qiv
