#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

#include "ui/user_prompts.h"

// Answers message boxes, file and font dialogs from a script and records what
// was asked. An unscripted message box is answered Cancel (or OK) and an
// unscripted dialog is cancelled; both are recorded as unexpected.
class ScriptedPrompts final : public UserPrompts {
  public:
    void AnswerNext(Answer answer) { script_.push_back(answer); }
    void ChooseFileNext(const QString& path) { script_.push_back(path); }
    // Font dialogs are answered from a script of their own.
    void ChooseFontNext(const QFont& font) { fonts_.emplace_back(font); }
    void CancelFontNext() { fonts_.emplace_back(std::nullopt); }

    // The texts of the message boxes and the titles of the file and font
    // dialogs ("Font"), in order.
    QStringList asked;
    // The icon of each message box, in order.
    QList<Icon> icons;
    // Every file dialog asked for, in order.
    QList<FileDialog> fileDialogs;
    // The font each font dialog was opened on, in order.
    QList<QFont> fontDialogs;
    int unexpected = 0;

    [[nodiscard]] bool Done() const { return script_.empty() && fonts_.empty(); }
    void Reset() {
        script_.clear();
        fonts_.clear();
        asked.clear();
        icons.clear();
        fileDialogs.clear();
        fontDialogs.clear();
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

    std::optional<QFont> ChooseFixedFont(QWidget*, const QFont& initial) override {
        asked << QStringLiteral("Font");
        fontDialogs << initial;
        if (fonts_.empty()) {
            ++unexpected;
            return std::nullopt;
        }
        const std::optional<QFont> font = fonts_.front();
        fonts_.pop_front();
        return font;
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
    std::deque<std::optional<QFont>> fonts_;
    std::vector<std::function<void()>> openNotes_;
};
