#pragma once

#include "preview/program_picture.h"

#include <QFrame>

class ProgramSource;
class QAction;
class QCheckBox;
class QLabel;

// The program view: the tool path of the shown page's program, or why there is none.
class ProgramView : public QFrame {
public:
    explicit ProgramView(QWidget* parent = nullptr);
    void setPicture(ProgramPicture picture);
    const ProgramPicture& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ProgramPicture picture_;
};

// Under the preview: the "Show Program" check box and the cutting time, or the reason Run would
// refuse the job now. While the box is ticked the program view takes the preview's place. Both follow the shown page: every redraw of its
// preview composes its program again, in memory.
class ProgramPanel : public QObject {
public:
    ProgramPanel(QWidget* window, QWidget* preview);

    // The shown cutting page, or none (Configurations): then the panel and the view are hidden.
    void setSource(ProgramSource* source);
    // Lays the view over the preview and the box and the time under it.
    void place(const QRect& preview);

    QCheckBox* showProgram() const { return showProgram_; }
    // View's "Show Program", ticked with the box.
    QAction* viewAction() const { return viewAction_; }
    // The cutting time, or the reason there is none.
    QLabel* cuttingTime() const { return cuttingTime_; }
    ProgramView* view() const { return view_; }

private:
    void scheduleRefresh();
    void refresh();
    void showView();

    QWidget* preview_;
    QCheckBox* showProgram_;
    QLabel* cuttingTime_;
    ProgramView* view_;
    QAction* viewAction_;
    ProgramSource* source_ = nullptr;
    bool refreshPending_ = false;
};
