#include "ui/message_box.h"

#include "base/message_pump.h"
#include "ui/box_window.h"
#include "ui/rich_edit_library.h"

namespace vantor {

int ShowMarkupBox(BoxOwner owner, std::string_view text, std::string_view title, std::string_view buttons,
                  std::uint8_t charset, std::uint32_t flags, unsigned timeoutMs) {
  const BoxCall call = PrepareBoxCall(owner.value(), text, title, charset, flags);
  const HWND active = GetActiveWindow();
  const HWND ownerWindow = call.ownerIsActiveWindow ? active : owner.window();
  EnsureRichEditLoaded();  // without it the box shows plain text
  if (active) EnableWindow(active, FALSE);

  const BoxOutcome outcome = RunBox(ownerWindow, active, call, title, buttons, timeoutMs);
  // The box enables the window again when it closes; this also covers a box
  // that could not be created or was destroyed with its owner.
  if (active && IsWindow(active)) EnableWindow(active, TRUE);

  WaitPumping(100, 0);
  if (outcome.quit) PostQuitMessage(outcome.quitCode);
  return outcome.result;
}

void ShowErrorBox(BoxOwner owner, std::string_view text, std::string_view title, std::string_view buttons,
                  std::uint8_t charset) {
  ShowMarkupBox(owner, text, TitleOrDefault(title, TitleItem::Error), ButtonsOrDefault(buttons), charset,
                kErrorBoxFlags, 0);
}

void ShowWarningBox(BoxOwner owner, std::string_view text, std::string_view title, std::string_view buttons,
                    std::uint8_t charset, unsigned timeoutMs) {
  ShowMarkupBox(owner, text, TitleOrDefault(title, TitleItem::Warning), ButtonsOrDefault(buttons), charset,
                kWarningBoxFlags, timeoutMs);
}

bool AskYesNo(BoxOwner owner, std::string_view text, std::string_view title, std::string_view buttons,
              std::uint8_t charset, unsigned timeoutMs) {
  return ShowMarkupBox(owner, text, TitleOrDefault(title, TitleItem::Question), ButtonsOrDefault(buttons), charset,
                       kYesNoBoxFlags, timeoutMs) == kBoxYes;
}

bool AskOkCancel(BoxOwner owner, std::string_view text, std::string_view title, std::string_view buttons,
                 std::uint8_t charset) {
  return ShowMarkupBox(owner, text, TitleOrDefault(title, TitleItem::Question), ButtonsOrDefault(buttons), charset,
                       kOkCancelBoxFlags, 0) == kBoxOk;
}

}  // namespace vantor
