#pragma once

namespace pathsum {

// Where the window's calculation run stands: whether one is under way, and what asks it to end
// before its last screen. A run lets the window answer while it computes, so a click can ask it
// to end at any time; every such ask is kept here, and the run reads them at its next check
// (ShouldStop). Only one run is ever under way.
class RunState {
  public:
    // 1 while a Stop has been asked for and no run has acted on it; only a run clears it, and
    // only when it acts on it. Stop_Click sets it and does nothing else.
    int StopRequested = 0;

    // What becomes of the picture of a run that was asked to end.
    enum class Picture { Keep, Clear };

    bool Running() const { return running_; }
    bool Closing() const { return closing_; }

    // A run begins. A Stop pressed while no run was going on must not end it before it begins.
    void Begin();

    // The settings changed under the run under way (the live mode): it ends at its next check,
    // and a run with the new settings follows.
    void Supersede();
    // The run under way ends at its next check and none follows by itself: Live was turned off
    // (its curves so far are kept, as a Stop keeps them), or another set-up was opened (whose
    // window must not show this run's curves: they are cleared).
    void Abandon(Picture picture);
    // The window is closing: this run and every later one end at once.
    void Close();

    // True ends the run at that check.
    bool ShouldStop() const;

    // The run has ended; `stopped` when it ended at a check that said stop, which clears the
    // Stop it acted on. Says what becomes of its picture.
    Picture End(bool stopped);

  private:
    bool running_ = false;
    bool closing_ = false;
    bool superseded_ = false;
    bool abandoned_ = false;
    Picture afterwards_ = Picture::Keep;
};

}  // namespace pathsum
