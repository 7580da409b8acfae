// SPDX-License-Identifier: GPL-3.0-or-later
// The prompt service of the running program: real message boxes and input boxes.
#pragma once

#include "core/common/Services.h"

namespace vx {

class QtPromptService final : public Prompts {
  public:
    void message(const QString& text, const QString& title) override;
    bool question(const QString& text, const QString& title) override;
    std::optional<QString> input(const QString& prompt, const QString& title,
                                 const QString& defaultText) override;
};

} // namespace vx
