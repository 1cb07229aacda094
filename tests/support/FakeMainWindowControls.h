// A main window with no toolkit: plain data standing for the controls, with
// check boxes that raise their click on a change, as the real ones do. The
// behaviour's tests drive it and read what it shows.
#pragma once

#include "core/MainWindowBehaviour.h"
#include "core/MainWindowControls.h"
#include "core/MainWindowDefinition.h"

#include "flags/FlagsValue.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace bitloom::tests {

class FakeMainWindowControls : public core::MainWindowControls {
public:
    using CheckState = flags::CheckState;

    FakeMainWindowControls()
    {
        panes.fill({false, {}, core::mainWindow::paneSize, false});
        panes[0].visible = true;
        panes[0].itemChecked = true;
        wideItemChecked = true;
    }

    struct Pane {
        bool visible;
        core::TwipsPoint position;
        core::TwipsSize size;
        bool itemChecked;
    };

    core::MainWindowBehaviour behaviour{*this};

    std::array<CheckState, flags::flagCount> boxes{};
    std::string output = "0";
    // Each recompute writes the output once.
    int recomputes = 0;
    std::array<Pane, core::paneCount> panes{};
    bool singleItemChecked = false;
    bool wideItemChecked = false;
    bool listVisible = true;
    core::PaneIndex list = core::PaneIndex::None;
    core::TwipsSize client{};
    // Answers the question boxes will get, in order; each question asked is kept.
    std::vector<core::Answer> answers;
    std::vector<std::string> questions;
    int aboutOpenings = 0;
    bool ended = false;
    std::map<core::Command, bool> enabled;
    // Each command's caption and tooltip, as the behaviour last set them.
    std::map<core::Command, std::pair<std::string, std::string>> captions;
    // The clipboard: nothing is a clipboard without text.
    std::optional<std::string> clipboard;
    // What the value window will return, and the messages shown.
    std::optional<std::string> typed;
    std::vector<std::string> messages;

    // The user's click on a box: it toggles, then raises its click.
    void click(int bit)
    {
        auto &box = boxes.at(static_cast<std::size_t>(bit));
        box = box == CheckState::Checked ? CheckState::Unchecked : CheckState::Checked;
        behaviour.flagClicked(bit);
    }

    int visiblePanes() const
    {
        int count = 0;
        for (const Pane &pane : panes)
            count += pane.visible;
        return count;
    }

    CheckState flag(int bit) const override { return boxes.at(static_cast<std::size_t>(bit)); }
    void setFlag(int bit, CheckState state) override
    {
        auto &box = boxes.at(static_cast<std::size_t>(bit));
        if (box == state)
            return;
        box = state;
        behaviour.flagClicked(bit);
    }
    void setOutputText(std::string_view text) override
    {
        output = text;
        ++recomputes;
    }
    std::string outputText() const override { return output; }
    void setCommandEnabled(core::Command command, bool on) override { enabled[command] = on; }
    void setCommandCaption(core::Command command, std::string_view caption,
                           std::string_view toolTip) override
    {
        captions[command] = {std::string(caption), std::string(toolTip)};
    }
    std::optional<std::string> clipboardText() const override { return clipboard; }
    void setClipboardText(std::string_view text) override { clipboard = std::string(text); }
    void showMessage(std::string_view message, std::string_view title) override
    {
        messages.push_back(std::string(title) + ": " + std::string(message));
    }
    std::optional<std::string> askForValue() override { return typed; }

    std::uint32_t value() const
    {
        flags::FlagStates states{};
        std::copy(boxes.begin(), boxes.end(), states.begin());
        return flags::flagsValue(states);
    }
    void setPaneVisible(int pane, bool visible) override { at(pane).visible = visible; }
    void movePane(int pane, core::TwipsPoint position) override { at(pane).position = position; }
    core::TwipsSize paneSize(int pane) const override
    {
        return panes.at(static_cast<std::size_t>(pane)).size;
    }
    void setPaneItemChecked(int pane, bool checked) override { at(pane).itemChecked = checked; }
    void setViewItemChecked(core::ViewMode mode, bool checked) override
    {
        (mode == core::ViewMode::Single ? singleItemChecked : wideItemChecked) = checked;
    }
    void setListVisible(bool visible) override { listVisible = visible; }
    core::PaneIndex listIndex() const override { return list; }
    void setClientSize(core::TwipsSize size) override { client = size; }
    core::Answer ask(std::string_view message, std::string_view title) override
    {
        questions.push_back(std::string(title) + ": " + std::string(message));
        const core::Answer answer = answers.empty() ? core::Answer::No : answers.front();
        if (!answers.empty())
            answers.erase(answers.begin());
        return answer;
    }
    void showAboutWindow() override { ++aboutOpenings; }
    void endProgram() override { ended = true; }

private:
    Pane &at(int pane) { return panes.at(static_cast<std::size_t>(pane)); }
};

} // namespace bitloom::tests
