// The "Advanced" page of the settings sheet.
#include "settings/CSetAdvPP.h"

#include <optional>

#include "framework/DataExchange.h"
#include "framework/FileOpenDialog.h"
#include "platform/win32/Win32SoundPlayer.h"
#include "resources/resource.h"
#include "shell/Settings.h"

namespace qiv {

QIV_BEGIN_MESSAGE_MAP(CSetAdvPP, CSettingsPage)
  QIV_ON_COMMAND(IDC_BROWSE_SOUND, BN_CLICKED, OnBrowse)
  QIV_ON_COMMAND(IDC_DELETE_SOUND, BN_CLICKED, OnDelete)
  QIV_ON_COMMAND(IDC_PLAY_SOUND, BN_CLICKED, OnPlay)
QIV_END_MESSAGE_MAP()

CSetAdvPP::CSetAdvPP(CSetPS& sheet)
    : CSettingsPage(IDD_ADVANCED_PAGE, sheet, "Set_Advanced.htm"),
      browse_(IDB_BROWSE),
      delete_(IDB_DELETE),
      play_(IDB_PLAY) {}

bool CSetAdvPP::OnInitDialog() {
  emptyPicker_.SubclassDlgItem(Handle(), IDC_COLOR_EMPTY);
  nonemptyPicker_.SubclassDlgItem(Handle(), IDC_COLOR_NONEMPTY);
  blinkingPicker_.SubclassDlgItem(Handle(), IDC_COLOR_BLINKING);
  browse_.SubclassDlgItem(Handle(), IDC_BROWSE_SOUND);
  delete_.SubclassDlgItem(Handle(), IDC_DELETE_SOUND);
  play_.SubclassDlgItem(Handle(), IDC_PLAY_SOUND);
  const Settings& settings = SettingsRecord();
  integrityProtection_ = settings.SmartDispatch != 0;
  blinkOnViolation_ = settings.SelfActivateBlink != 0;
  soundFile_ = settings.SelfActivateSound;
  emptyColour_ = static_cast<COLORREF>(settings.ColorEmptyScreen);
  nonemptyColour_ = static_cast<COLORREF>(settings.ColorNonemptyScreen);
  blinkingColour_ = static_cast<COLORREF>(settings.ColorBlinkingScreen);
  return CSettingsPage::OnInitDialog();
}

void CSetAdvPP::DoDataExchange(DataExchange& dx) {
  dx.ExchangeCheck(IDC_INTEGRITY_PROTECTION, integrityProtection_);
  dx.ExchangeCheck(IDC_BLINK_ON_VIOLATION, blinkOnViolation_);
  dx.ExchangeText(IDC_SOUND_FILE, soundFile_);
  dx.ExchangeColour(emptyPicker_, emptyColour_);
  dx.ExchangeColour(nonemptyPicker_, nonemptyColour_);
  dx.ExchangeColour(blinkingPicker_, blinkingColour_);
}

bool CSetAdvPP::SavePage() {
  if (!UpdateData(true)) return false;
  Settings& settings = SettingsRecord();
  settings.SmartDispatch = integrityProtection_ ? 1 : 0;
  settings.SelfActivateBlink = blinkOnViolation_ ? 1 : 0;
  settings.SelfActivateSound = soundFile_;
  settings.ColorEmptyScreen = static_cast<std::int32_t>(emptyColour_);
  settings.ColorNonemptyScreen = static_cast<std::int32_t>(nonemptyColour_);
  settings.ColorBlinkingScreen = static_cast<std::int32_t>(blinkingColour_);
  return true;
}

LRESULT CSetAdvPP::OnBrowse(WPARAM, LPARAM) {
  FileOpenRequest request;
  request.filters = {{"Sounds (*.wav)", "*.wav"}};
  request.defaultExtension = "wav";
  const WindowToken alive = Token();
  const std::optional<std::string> chosen = ChooseFileToOpen(Handle(), request);
  if (!alive.Alive() || !chosen) return 0;
  soundFile_ = *chosen;
  ::SetDlgItemTextA(Handle(), IDC_SOUND_FILE, soundFile_.c_str());
  return 0;
}

LRESULT CSetAdvPP::OnDelete(WPARAM, LPARAM) {
  soundFile_.clear();
  ::SetDlgItemTextA(Handle(), IDC_SOUND_FILE, "");
  return 0;
}

LRESULT CSetAdvPP::OnPlay(WPARAM, LPARAM) {
  if (!UpdateData(true)) return 0;
  // The same call as the violation's sound: a file that cannot be played gets the system's default sound.
  Win32SoundPlayer().PlayFileAsync(soundFile_);
  return 0;
}

}  // namespace qiv
