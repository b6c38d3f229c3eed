// OK and Cancel of the settings sheet, across its pages.
#include "settings/ApplyPages.h"

namespace qiv {

bool ApplyPages(const std::vector<PageActions*>& pages, const Settings& settings) {
  for (PageActions* page : pages) {
    if (page->HasPageWindow() && !page->SavePage()) return false;
  }
  settings.SaveSettings();
  return true;
}

void RevertPages(const std::vector<PageActions*>& pages) {
  for (PageActions* page : pages) page->RevertPage();
}

}  // namespace qiv
