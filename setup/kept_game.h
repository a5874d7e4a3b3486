#pragma once

// The question at start. A game kept with changes that were not saved (the last run ended without a
// save: a crash, a kill, the end button) is offered over the setup screen. "예" puts it on the screen as
// a board chosen from the saved-boards list is put there, and the start continues it; "아니요" discards
// it for good.
namespace setup {

void offerKeptGame();

} // namespace setup
