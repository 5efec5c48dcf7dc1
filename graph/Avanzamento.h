#pragma once

// A task that may last long, told how it goes: the dialog shows once the task has lasted half a second,
// with a button that cancels it, and closes with this object.
class Avanzamento {
public:
    virtual ~Avanzamento() = default;
    // Called as the work goes on; false once the user has cancelled.
    virtual bool Prosegui() = 0;
};
