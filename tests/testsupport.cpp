// SPDX-License-Identifier: GPL-3.0-or-later
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vxtest {

void ScriptedPrompts::message(const QString& text, const QString& title) {
    seen.append({Prompt::Message, text, title});
    if (onPrompt)
        onPrompt(seen.last());
}

bool ScriptedPrompts::question(const QString& text, const QString& title) {
    seen.append({Prompt::Question, text, title});
    if (onPrompt)
        onPrompt(seen.last());
    if (answers.empty())
        return false;
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
}

std::optional<QString> ScriptedPrompts::input(const QString& prompt, const QString& title, const QString&) {
    seen.append({Prompt::Input, prompt, title});
    if (onPrompt)
        onPrompt(seen.last());
    if (inputs.empty())
        return std::nullopt;
    const bool given = inputs.front().has_value();
    const QString value = given ? *inputs.front() : QString();
    inputs.pop_front();
    if (!given)
        return std::nullopt;
    return value;
}

QStringList ScriptedPrompts::texts() const {
    QStringList out;
    for (const Prompt& p : seen)
        out.append(p.text);
    return out;
}

TempHome::TempHome() {
    vx::Folders where;
    where.dataDir = QStringLiteral(VX_DATA_DIR);
    where.homeDir = m_dir.path();
    vx::setFolders(where);
}

QString TempHome::file(const QString& relative) const { return QDir(m_dir.path()).filePath(relative); }

QByteArray TempHome::read(const QString& relative) const {
    QFile f(file(relative));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void TempHome::write(const QString& relative, const QByteArray& bytes) const {
    const QString full = file(relative);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile f(full);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

} // namespace vxtest
