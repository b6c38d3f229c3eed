// What the settings sheet asks of each of its pages when the user confirms or cancels.
#pragma once

namespace qiv {

class PageActions {
 public:
  // A page the user never opened has no window, holds nothing of its own and is left out of OK.
  virtual bool HasPageWindow() const = 0;
  // Checks the page's values and copies them into the settings (or the model). false: a value was refused,
  // the user has been told, and nothing after this page may be taken over.
  virtual bool SavePage() = 0;
  // The user cancelled. Pages work on copies until SavePage, so there is nothing to undo.
  virtual void RevertPage() = 0;

 protected:
  ~PageActions() = default;
};

}  // namespace qiv
