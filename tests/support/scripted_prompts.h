#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <variant>
#include <vector>

#include "ui/user_prompts.h"

// Answers message boxes and file dialogs from a script and records what was
// asked. An unscripted message box is answered Cancel (or OK) and an
// unscripted file dialog is cancelled; both are recorded as unexpected.
class ScriptedPrompts final : public UserPrompts {
  public:
    void AnswerNext(Answer answer) { script_.push_back(answer); }
    void ChooseFileNext(const QString& path) { script_.push_back(path); }

    // The texts of the message boxes and the titles of the file dialogs, in order.
    QStringList asked;
    // The icon of each message box, in order.
    QList<Icon> icons;
    // Every file dialog asked for, in order.
    QList<FileDialog> fileDialogs;
    int unexpected = 0;

    [[nodiscard]] bool Done() const { return script_.empty(); }
    void Reset() {
        script_.clear();
        asked.clear();
        icons.clear();
        fileDialogs.clear();
        notes.clear();
        openNotes_.clear();
        unexpected = 0;
    }

    Answer Ask(QWidget*, const QString& text, Buttons buttons, Icon icon) override {
        asked << text;
        icons << icon;
        if (!script_.empty() && std::holds_alternative<Answer>(script_.front())) {
            const Answer answer = std::get<Answer>(script_.front());
            script_.pop_front();
            return answer;
        }
        if (buttons != Buttons::kOk)
            ++unexpected;
        return buttons == Buttons::kOk ? Answer::kOk : Answer::kCancel;
    }
    QString OpenFileName(QWidget*, const FileDialog& dialog) override { return NextFile(dialog); }
    QString SaveFileName(QWidget*, const FileDialog& dialog) override { return NextFile(dialog); }

    // Non-blocking messages stay open until CloseNotes closes them all.
    QStringList notes;
    void Notify(QWidget*, const QString& text, std::function<void()> closed) override {
        notes << text;
        openNotes_.push_back(std::move(closed));
    }
    void CloseNotes() {
        auto open = std::move(openNotes_);
        openNotes_.clear();
        for (auto& closed : open) {
            if (closed)
                closed();
        }
    }

  private:
    QString NextFile(const FileDialog& dialog) {
        asked << dialog.title;
        fileDialogs << dialog;
        if (!script_.empty() && std::holds_alternative<QString>(script_.front())) {
            const QString path = std::get<QString>(script_.front());
            script_.pop_front();
            return path;
        }
        ++unexpected;
        return {};
    }

    std::deque<std::variant<Answer, QString>> script_;
    std::vector<std::function<void()>> openNotes_;
};
