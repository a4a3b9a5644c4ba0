// A form of a fresh application for the toolkit's GUI tests: designs read
// from text, components found by name, errors the application reports kept.
#pragma once

#include "toolkit/Application.h"
#include "toolkit/Form.h"

#include "tests/guitest/GuiTest.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

struct FormFixture : ::testing::Test {
    tk::Application app;
    tk::Form* form = nullptr;
    std::vector<std::string> errors;

    void SetUp() override {
        guitest::ParkPointer();
        app.SetMessageBox(
            [this](const std::string& text, const std::string&) { errors.push_back(text); });
        form = new tk::Form(&app);
    }
    void Read(const std::string& text) { form->LoadDesignText(text, "Test", app.Classes()); }
    void ShowForm() {
        form->Show();
        guitest::PumpUntilIdle();
    }
    template <class T> T& Find(const std::string& name) {
        auto* found = dynamic_cast<T*>(form->FindComponent(name));
        if (!found) {
            throw std::runtime_error("no component " + name);
        }
        return *found;
    }
};
