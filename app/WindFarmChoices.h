#pragma once

// The numbers the dashboard window takes for the user's two choices
// (setLanguage, setCurrentPage), as its buttons and the command line pass
// them.

// The language of every visible text.
enum : int
{
    LanguageEnglish = 0,
    LanguageChinese = 1
};

// A page of the window, by its index in the page stack.
enum : int
{
    PageOverview = 0,
    PageTurbines = 1
};
