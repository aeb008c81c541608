// A main window over a temporary user folder whose message boxes are answered without
// blocking: each shown TMy is recorded and answered by its focused button (or a scripted result).
#pragma once

#include "main_window.h"
#include "message_form.h"
#include "settings_dialog.h"
#include "solid_viewport.h"
#include "widget_factory.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace brevant::apptest {

struct ShownMessage {
    QString title;
    QString body;
    QString caption;
    int kind = 0;
};

// The window as the screen shows it: a widget grab, with the 3D view's frame (drawn by a native
// OpenGL window that a widget grab leaves out) painted in its place.
inline QImage WindowPicture(QWidget& window) {
    QImage image = window.grab().toImage();
    QPainter painter(&image);
    for (SolidViewport* view : window.findChildren<SolidViewport*>())
        if (view->isVisible() && view->UnavailableText().isEmpty())
            painter.drawImage(QRectF(QPointF(view->mapTo(&window, QPoint(0, 0))), view->size()),
                              view->grabFramebuffer());
    return image;
}

class AppFixture {
public:
    AppFixture() {
        PlatformFolders folders;
        folders.documents = dir.path().toStdString();
        window = std::make_unique<TMainForm>(folders);
        window->Host().messageRunner = [this](TMy& form) { return Answer(form); };
        window->Host().fileRunner = [this](const FileDialogRequest& r, bool save) {
            fileRequests.push_back({r, save});
            return fileAnswer;
        };
        window->Host().openRunner = [this](const std::string& p) {
            opened.push_back(p);
            return openAnswer;
        };
    }

    // Shows the window and waits for the first activation (which makes the form ready).
    void Show(int width = 1000, int height = 700) {
        window->resize(width, height);
        window->show();
        if (!QTest::qWaitForWindowActive(window.get())) window->activateWindow();
        if (!window->Engine().Drv.FormReady)
            window->Run([this] { window->Engine().FormActivate(); });
    }

    template <class W> W* Find(const char* name) const { return window->findChild<W*>(name); }
    QLineEdit* EditOf(const char* name) const { return Find<QLineEdit>(name); }

    // Types a text into an edit as the user would and commits it by leaving the field (Enter
    // would also calculate).
    void Commit(const char* edit, const QString& text) {
        QLineEdit* e = EditOf(edit);
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, text);
        emit e->editingFinished(); // what the edit sends when the focus leaves it
    }
    // Types without committing.
    void Type(const char* edit, const QString& text) {
        QLineEdit* e = EditOf(edit);
        e->selectAll();
        QTest::keyClicks(e, text);
    }

    void Trigger(const char* action) { Find<QAction>(action)->trigger(); }

    // Runs the "Settings" command as the File menu does; once its modal dialog is open,
    // `inside` works the dialog's controls and closes it. False when the dialog never opened.
    bool WithSettingsOpen(const std::function<void(SettingsDialog&)>& inside) {
        SettingsDialog& dialog = window->Settings();
        bool opened = false;
        QTimer::singleShot(0, &dialog, [&] {
            opened = dialog.isVisible();
            inside(dialog);
            if (dialog.isVisible()) dialog.reject(); // never leave the command waiting
        });
        Trigger("SettingsItem");
        return opened;
    }

    QTemporaryDir dir;
    std::unique_ptr<TMainForm> window;
    std::vector<ShownMessage> messages;
    std::deque<int> answers; // scripted results; the focused button answers otherwise
    std::vector<std::pair<FileDialogRequest, bool>> fileRequests;
    std::string fileAnswer;
    std::vector<std::string> opened;
    bool openAnswer = true; // whether a program of the system took the file

private:
    int Answer(TMy& form) {
        const auto* memo = form.findChild<QPlainTextEdit*>("Memo1");
        const auto* body = form.findChild<QLabel*>("BodyLabel");
        messages.push_back({form.findChild<QLabel*>("TitleLabel")->text(),
                            memo->isVisibleTo(&form) ? memo->toPlainText() : body->text(),
                            form.TitleCaption(), form.MessageType()});
        if (!answers.empty()) {
            const int a = answers.front();
            answers.pop_front();
            return a;
        }
        if (form.FocusButton()) form.FocusButton()->click();
        return form.result();
    }
};

} // namespace brevant::apptest
