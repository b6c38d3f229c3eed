// The "General" page of the settings sheet.
#include "settings/CSetGeneralPP.h"

#include "framework/DataExchange.h"
#include "framework/UpDown.h"
#include "resources/resource.h"
#include "shell/Settings.h"
#include "shell/ShellServices.h"
#include "shell/Shortcuts.h"

namespace qiv {
namespace {

constexpr int kMinSnapDistance = 1;
constexpr int kMaxSnapDistance = 100;
constexpr int kMinTitleRefreshRate = 100;
constexpr int kMaxTitleRefreshRate = 10000;
// Below this a window is too faint to find again.
constexpr int kMinAlpha = 10;
constexpr int kMaxAlpha = 255;

constexpr int kTransparencyControls[] = {IDC_TRANSPARENCY_GROUP, IDC_PANEL_ALPHA_LABEL, IDC_PANEL_ALPHA,
                                         IDC_APP_LIST_ALPHA_LABEL, IDC_APP_LIST_ALPHA};

}  // namespace

CSetGeneralPP::CSetGeneralPP(CSetPS& sheet) : CSettingsPage(IDD_GENERAL_PAGE, sheet, "Set_General.htm") {}

bool CSetGeneralPP::OnInitDialog() {
  UpDown(DlgItem(IDC_TITLE_REFRESH_RATE_SPIN)).SetRange(kMinTitleRefreshRate, kMaxTitleRefreshRate);
  UpDown(DlgItem(IDC_SNAP_DISTANCE_SPIN)).SetRange(kMinSnapDistance, kMaxSnapDistance);
  const Settings& settings = SettingsRecord();
  alwaysOnTop_ = settings.AlwaysOnTop != 0;
  confirmClose_ = settings.ConfirmClose != 0;
  snapOn_ = settings.IntSnapScreenBorders != 0;
  snapDistance_ = settings.BoolSnapScreenBorders;
  titleRefreshRate_ = settings.AppTitleRefreshRate;
  showOnlyPointed_ = settings.ShowOnlyPointed != 0;
  resizerOnlyNear_ = settings.ResizerOnlyNear != 0;
  panelAlpha_ = settings.TransMain;
  appListAlpha_ = settings.TransAppList;
  autoStart_ = HasStartupShortcut();
  transparencySupported_ = IsTransparencySupported();
  for (int id : kTransparencyControls) ::ShowWindow(DlgItem(id), transparencySupported_ ? SW_SHOW : SW_HIDE);
  return CSettingsPage::OnInitDialog();
}

void CSetGeneralPP::DoDataExchange(DataExchange& dx) {
  dx.ExchangeCheck(IDC_ALWAYS_ON_TOP, alwaysOnTop_);
  dx.ExchangeCheck(IDC_AUTO_START, autoStart_);
  dx.ExchangeCheck(IDC_CONFIRM_CLOSE, confirmClose_);
  dx.ExchangeCheck(IDC_SNAP_ON, snapOn_);
  dx.ExchangeInteger(IDC_SNAP_DISTANCE, snapDistance_, kMinSnapDistance, kMaxSnapDistance);
  dx.ExchangeInteger(IDC_TITLE_REFRESH_RATE, titleRefreshRate_, kMinTitleRefreshRate, kMaxTitleRefreshRate);
  dx.ExchangeCheck(IDC_SHOW_ONLY_POINTED, showOnlyPointed_);
  dx.ExchangeCheck(IDC_RESIZER_ONLY_NEAR, resizerOnlyNear_);
  // Loading also sets the sliders' range; a slider never holds less than kMinAlpha.
  dx.ExchangeTrackbar(IDC_PANEL_ALPHA, panelAlpha_, kMinAlpha, kMaxAlpha);
  dx.ExchangeTrackbar(IDC_APP_LIST_ALPHA, appListAlpha_, kMinAlpha, kMaxAlpha);
}

bool CSetGeneralPP::SavePage() {
  if (!UpdateData(true)) return false;
  Settings& settings = SettingsRecord();
  settings.AlwaysOnTop = alwaysOnTop_ ? 1 : 0;
  settings.ConfirmClose = confirmClose_ ? 1 : 0;
  settings.IntSnapScreenBorders = snapOn_ ? 1 : 0;
  settings.BoolSnapScreenBorders = snapDistance_;
  settings.AppTitleRefreshRate = titleRefreshRate_;
  settings.ShowOnlyPointed = showOnlyPointed_ ? 1 : 0;
  settings.ResizerOnlyNear = resizerOnlyNear_ ? 1 : 0;
  if (transparencySupported_) {
    settings.TransMain = panelAlpha_;
    settings.TransAppList = appListAlpha_;
  }
  const bool hasShortcut = HasStartupShortcut();
  if (autoStart_ && !hasShortcut) {
    CreateShortcut(kStartupFolder);
  } else if (!autoStart_ && hasShortcut) {
    DeleteShortcut(kStartupFolder);
  }
  return true;
}

}  // namespace qiv
