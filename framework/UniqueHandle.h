// The one owning wrapper for Win32 handles (GDI objects, DCs, icons, menus, image lists, kernel handles).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <utility>

namespace qiv {

// GDI objects and memory DCs owned by our wrappers, process-wide. GetGuiResources is a stub under Wine, so
// leak tests read this instead.
inline std::atomic<long>& LiveGdiObjectCounter() {
  static std::atomic<long> counter{0};
  return counter;
}
inline long LiveGdiObjects() { return LiveGdiObjectCounter().load(); }

// What closing needs besides the handle, for the handles that need nothing more.
struct NoOwner {};

// Traits supply Handle, Owner, Invalid() (what an empty wrapper holds), IsValid(), Close(handle, owner), and
// Adopted/Disowned, which run when a wrapper starts or stops owning a valid handle (moves run neither).
template <typename H>
struct HandleTraitsBase {
  using Handle = H;
  using Owner = NoOwner;
  static H Invalid() { return nullptr; }
  static bool IsValid(H handle) { return handle != nullptr; }
  static void Adopted(H) {}
  static void Disowned(H) {}
};

template <typename Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;
  using Owner = typename Traits::Owner;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle, Owner owner = Owner()) : handle_(handle), owner_(owner) {
    if (IsValid()) Traits::Adopted(handle_);
  }
  ~UniqueHandle() { Reset(); }

  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept
      : handle_(std::exchange(other.handle_, Traits::Invalid())), owner_(other.owner_) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, Traits::Invalid());
      owner_ = other.owner_;
    }
    return *this;
  }

  Handle Get() const { return handle_; }
  bool IsValid() const { return Traits::IsValid(handle_); }
  explicit operator bool() const { return IsValid(); }

  void Reset() {
    if (!IsValid()) return;
    Traits::Disowned(handle_);
    Traits::Close(handle_, owner_);
    handle_ = Traits::Invalid();
  }

  // Hands the handle to a new owner that frees it itself (SetWindowRgn takes its region over).
  Handle Release() {
    if (IsValid()) Traits::Disowned(handle_);
    return std::exchange(handle_, Traits::Invalid());
  }

 private:
  Handle handle_ = Traits::Invalid();
  Owner owner_{};
};

template <typename H>
struct GdiObjectTraits : HandleTraitsBase<H> {
  static void Close(H object, NoOwner) { ::DeleteObject(object); }
  static void Adopted(H) { ++LiveGdiObjectCounter(); }
  static void Disowned(H) { --LiveGdiObjectCounter(); }
};

struct MemoryDcTraits : HandleTraitsBase<HDC> {
  static void Close(HDC dc, NoOwner) { ::DeleteDC(dc); }
  static void Adopted(HDC) { ++LiveGdiObjectCounter(); }
  static void Disowned(HDC) { --LiveGdiObjectCounter(); }
};

// A DC from GetDC belongs to the system's cache and goes back with ReleaseDC, which needs its window.
struct WindowDcTraits : HandleTraitsBase<HDC> {
  using Owner = HWND;
  static void Close(HDC dc, HWND window) { ::ReleaseDC(window, dc); }
};

struct IconTraits : HandleTraitsBase<HICON> {
  static void Close(HICON icon, NoOwner) { ::DestroyIcon(icon); }
};

struct MenuTraits : HandleTraitsBase<HMENU> {
  static void Close(HMENU menu, NoOwner) { ::DestroyMenu(menu); }
};

struct ImageListTraits : HandleTraitsBase<HIMAGELIST> {
  static void Close(HIMAGELIST list, NoOwner) { ::ImageList_Destroy(list); }
};

// Threads, events and mutexes answer null on failure.
struct KernelHandleTraits : HandleTraitsBase<HANDLE> {
  static void Close(HANDLE handle, NoOwner) { ::CloseHandle(handle); }
};

// CreateFile answers INVALID_HANDLE_VALUE on failure; null is no file handle either.
struct FileHandleTraits : HandleTraitsBase<HANDLE> {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static bool IsValid(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
  static void Close(HANDLE handle, NoOwner) { ::CloseHandle(handle); }
};

// A view of a file mapping, as MapViewOfFile answers it (null on failure).
struct MappedViewTraits : HandleTraitsBase<void*> {
  static void Close(void* view, NoOwner) { ::UnmapViewOfFile(view); }
};

using UniqueBitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using UniqueBrush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using UniquePen = UniqueHandle<GdiObjectTraits<HPEN>>;
using UniqueFont = UniqueHandle<GdiObjectTraits<HFONT>>;
using UniqueRegion = UniqueHandle<GdiObjectTraits<HRGN>>;
using UniqueMemoryDc = UniqueHandle<MemoryDcTraits>;
using UniqueWindowDc = UniqueHandle<WindowDcTraits>;
using UniqueIcon = UniqueHandle<IconTraits>;
using UniqueMenu = UniqueHandle<MenuTraits>;
using UniqueImageList = UniqueHandle<ImageListTraits>;
using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;
using UniqueFileHandle = UniqueHandle<FileHandleTraits>;
using UniqueMappedView = UniqueHandle<MappedViewTraits>;

}  // namespace qiv
