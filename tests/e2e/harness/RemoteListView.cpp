// A list-view control of another process.
#include "tests/e2e/harness/RemoteListView.h"

#include <commctrl.h>

namespace qiv::e2e {
namespace {

constexpr size_t kBufferSize = 4096;
// The item structure sits at the start of the buffer, the text after it.
constexpr size_t kTextOffset = 512;
constexpr int kTextMax = 1024;
constexpr UINT kAnswerMs = 3000;

}  // namespace

RemoteListView::RemoteListView(HWND list) : list_(list) {
  DWORD processId = 0;
  ::GetWindowThreadProcessId(list, &processId);
  process_ = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
  if (process_ == nullptr) return;
  buffer_ = static_cast<char*>(::VirtualAllocEx(process_, nullptr, kBufferSize, MEM_COMMIT, PAGE_READWRITE));
}

RemoteListView::~RemoteListView() {
  if (buffer_ != nullptr) ::VirtualFreeEx(process_, buffer_, 0, MEM_RELEASE);
  if (process_ != nullptr) ::CloseHandle(process_);
}

LRESULT RemoteListView::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
  DWORD_PTR result = 0;
  if (!::SendMessageTimeoutA(list_, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerMs, &result)) return -1;
  return static_cast<LRESULT>(result);
}

bool RemoteListView::Write(const void* data, size_t size, size_t offset) const {
  SIZE_T written = 0;
  return buffer_ != nullptr && ::WriteProcessMemory(process_, buffer_ + offset, data, size, &written) &&
         written == size;
}

bool RemoteListView::Read(void* data, size_t size, size_t offset) const {
  SIZE_T read = 0;
  return buffer_ != nullptr && ::ReadProcessMemory(process_, buffer_ + offset, data, size, &read) && read == size;
}

int RemoteListView::Count() const { return static_cast<int>(Send(LVM_GETITEMCOUNT, 0, 0)); }

int RemoteListView::RowsPerPage() const { return static_cast<int>(Send(LVM_GETCOUNTPERPAGE, 0, 0)); }

int RemoteListView::ColumnWidth() const { return static_cast<int>(Send(LVM_GETCOLUMNWIDTH, 0, 0)); }

int RemoteListView::WidthThatFitsItems() const {
  const int width = ColumnWidth();
  Send(LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(LVSCW_AUTOSIZE, 0));
  const int fitted = ColumnWidth();
  Send(LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(width, 0));
  return fitted;
}

std::string RemoteListView::Text(int index, int subItem) const {
  LVITEMA item = {};
  item.iSubItem = subItem;
  item.pszText = buffer_ + kTextOffset;
  item.cchTextMax = kTextMax;
  if (!Write(&item, sizeof(item))) return {};
  const LRESULT length = Send(LVM_GETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer_));
  if (length <= 0) return {};
  std::string text(static_cast<size_t>(length), '\0');
  return Read(text.data(), text.size(), kTextOffset) ? text : std::string();
}

std::vector<std::string> RemoteListView::Texts() const {
  std::vector<std::string> texts;
  const int count = Count();
  for (int i = 0; i < count; ++i) texts.push_back(Text(i));
  return texts;
}

LPARAM RemoteListView::Data(int index) const {
  LVITEMA item = {};
  item.mask = LVIF_PARAM;
  item.iItem = index;
  if (!Write(&item, sizeof(item)) || Send(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(buffer_)) != TRUE) return 0;
  return Read(&item, sizeof(item)) ? item.lParam : 0;
}

bool RemoteListView::RowRect(int index, RECT& rect) const {
  RECT request = {LVIR_BOUNDS, 0, 0, 0};
  if (!Write(&request, sizeof(request)) ||
      Send(LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer_)) != TRUE ||
      !Read(&rect, sizeof(rect))) {
    return false;
  }
  ::MapWindowPoints(list_, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return true;
}

void RemoteListView::SetState(int index, UINT state) const {
  LVITEMA item = {};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = state;
  if (Write(&item, sizeof(item))) Send(LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer_));
}

void RemoteListView::SelectOnly(const std::vector<int>& indices) const {
  // Item -1 stands for all items.
  SetState(-1, 0);
  for (int index : indices) SetState(index, LVIS_SELECTED | LVIS_FOCUSED);
}

}  // namespace qiv::e2e
