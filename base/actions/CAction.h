#pragma once
// One step of the undo/redo history: knows how to do and undo itself.

class CAction {
public:
    CAction() = default;
    CAction(const CAction&) = default;
    CAction& operator=(const CAction&) = default;
    virtual ~CAction() = default;

    // Done by DoSelf; with record, the process-wide action list takes the action over.
    // Returns whether the action is done.
    bool Do(bool record);
    // Returns whether the action is not done afterwards.
    bool Undo();
    bool IsDone() const { return mDone; }

protected:
    virtual bool DoSelf() { return false; }
    virtual bool UndoSelf() { return true; }

private:
    bool mDone = false;
};
