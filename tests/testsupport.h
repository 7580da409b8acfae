// SPDX-License-Identifier: GPL-3.0-or-later
// Shared test seams: a prompt service that records every prompt and answers from a script,
// a clock that stands still, and a fresh temporary home folder per test.
#pragma once

#include "core/common/Services.h"

#include <QDateTime>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>

namespace vxtest {

struct Prompt {
    enum Kind { Message, Question, Input } kind;
    QString text;
    QString title;
};

class ScriptedPrompts final : public vx::Prompts {
public:
    ScriptedPrompts() { vx::setPrompts(this); }
    ~ScriptedPrompts() override { vx::setPrompts(nullptr); }

    void message(const QString& text, const QString& title) override;
    bool question(const QString& text, const QString& title) override;
    std::optional<QString> input(const QString& prompt, const QString& title, const QString& def) override;

    // Answers are used in order; a question without a scripted answer is answered No and an
    // input box without one is cancelled (and both are recorded, so a test can see them).
    std::deque<bool> answers;
    std::deque<std::optional<QString>> inputs;
    // Runs when a message is shown, before it returns: lets a test act while a "modal" box
    // is up, as a user would read it and press OK.
    std::function<void(const Prompt&)> onPrompt;

    QList<Prompt> seen;
    QStringList texts() const;
    void clear() { seen.clear(); }
};

class FixedClock final : public vx::Clock {
public:
    explicit FixedClock(QDateTime at) : at(std::move(at)) { vx::setClock(this); }
    ~FixedClock() override { vx::setClock(nullptr); }
    QDateTime now() const override { return at; }
    QDateTime at;
};

// A fresh home folder with Teams/ and Vorlentix.ini in it; Data/ is the built data folder.
class TempHome {
public:
    TempHome();
    QString path() const { return m_dir.path(); }
    QString file(const QString& relative) const;
    QByteArray read(const QString& relative) const;
    void write(const QString& relative, const QByteArray& bytes) const;

private:
    QTemporaryDir m_dir;
};

} // namespace vxtest
