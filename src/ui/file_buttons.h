#pragma once

#include <QAbstractButton>
#include <QPointer>

// What File's actions do on the shown cutting page: press its own button.
enum class FileAction { Load, Save, Run, Clear };

struct FileButtons {
    QPointer<QAbstractButton> load, save, run, clear;

    QAbstractButton* button(FileAction action) const
    {
        switch (action) {
        case FileAction::Load: return load;
        case FileAction::Save: return save;
        case FileAction::Run: return run;
        case FileAction::Clear: return clear;
        }
        return nullptr;
    }
};
