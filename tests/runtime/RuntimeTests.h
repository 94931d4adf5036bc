#pragma once

#include <QObject>

namespace rnvtest {

class ReadingTest final : public QObject {
    Q_OBJECT
private slots:
    void readsItemsUnderTheirCategories();
    void survivesDamagedFiles_data();
    void survivesDamagedFiles();
    void readsTheDesignOfABuiltCd();
    void wordsFollowLetterCase_data();
    void wordsFollowLetterCase();
    void emptyWordsFallBackToEnglish();
    void shippedLanguagesHaveEveryWord();
    void commandLine_data();
    void commandLine();
};

class ActionsTest final : public QObject {
    Q_OBJECT
private slots:
    void resolvesCdPaths_data();
    void resolvesCdPaths();
    void refusesPathsLeavingTheCd_data();
    void refusesPathsLeavingTheCd();
    void refusesLinkLeavingTheCd();
    void runsWhatLiesOnTheCd_data();
    void runsWhatLiesOnTheCd();
    void offersOnlyWhatApplies_data();
    void offersOnlyWhatApplies();
    void opensOnlyWebAddresses_data();
    void opensOnlyWebAddresses();
    void copiesFileAndFolder();
    void findsInfoAndScreenshot();
};

class WindowTest final : public QObject {
    Q_OBJECT
private slots:
    void showsItemsUnderCategoriesWithTypeIcons();
    void wordsOfTheWindowFollowLetterCase();
    void drawsTheDesign();
    void startsWithoutCrash_data();
    void startsWithoutCrash();
    void keyboardWorks();
    void splashHasItsFrame();
    void buttonsRunTheCommands();
    void showsInfoAndScreenshot();
    void screenshotMode();
};

class EndToEndTest final : public QObject {
    Q_OBJECT
private slots:
    void builtCdShowsItsItems();
};

}  // namespace rnvtest
