// One modal run on this thread: who owns its window, and the owner's enabled state around it.
#include "framework/ModalScope.h"

namespace qiv {
namespace {

thread_local ModalScope* tlsInnermost = nullptr;

}  // namespace

ModalScope::ModalScope(HWND parent) : outer_(tlsInnermost) {
  const HWND current = CurrentModalWindow();
  owner_ = current ? current : (parent ? ::GetAncestor(parent, GA_ROOT) : nullptr);
  ownerWasEnabled_ = owner_ && ::IsWindowEnabled(owner_);
  tlsInnermost = this;
}

ModalScope::~ModalScope() {
  EnableOwner();
  tlsInnermost = outer_;
}

void ModalScope::DisableOwner() {
  if (owner_) ::EnableWindow(owner_, FALSE);
}

void ModalScope::EnableOwner() {
  if (ownerWasEnabled_ && ::IsWindow(owner_) && !::IsWindowEnabled(owner_)) ::EnableWindow(owner_, TRUE);
}

HWND ModalScope::CurrentModalWindow() {
  for (const ModalScope* scope = tlsInnermost; scope; scope = scope->outer_) {
    if (scope->modalWindow_ && ::IsWindow(scope->modalWindow_)) return scope->modalWindow_;
  }
  return nullptr;
}

}  // namespace qiv
