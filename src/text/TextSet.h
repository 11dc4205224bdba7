#pragma once

#include <QString>

namespace folia {

// Every user-visible text of both programs. Each build passes one of the two tables to
// its window; there is no switch at run time. Texts that several pieces make up at run
// time are kept as their pieces.
struct TextSet {
    // Shared
    QString programmerTitle; // title of the programs' message boxes
    QString files, newItem, author, exit, edit;
    QString textFilter; // open dialog filter description and default extension

    // FOLIA: main window and menus
    QString gdiFailure;
    QString gdiFailureTitle; // empty: the platform's own title
    QString saveImage, exportPdf, update, undo, redo, goTo, personalize, setUp;
    QString underlines, tickControl, underlineFullHorizontal, underlineVertical,
        underlinePieceHorizontal, underlinePieceTwoColours, underlineLink, underlinePieceBold,
        underlineDefinition, removeMarks;
    QString colours, favouriteColours, horizontalColour, verticalColour, twoColourBackground,
        twoColourFont, linkColour, selectorColour, selectorTextColour;
    QString alignment, left, center, right;
    QString read, guideReader;
    QString exportMarks, marksList;

    // FOLIA: captions, prompts and messages of the commands
    QString pageWord;           // "Page " in captions
    QString pageWordUnaccented; // the caption of "Go to" and the arrow-key page changes
    QString of;
    QString importingSuffix; // " ... " after the page being filled
    QString readingCache;
    QString enterPageNumber, from1, to;
    QString notTwoLines;
    QString enterDefinition;
    QString madeBy, makerAddress, visitMe;
    QString notReadable; // a text file that cannot be read (both programs); the path follows
    // A text given at start while a document is there: replaceDocumenta, the path, replaceDocumentb
    QString replaceDocumenta, replaceDocumentb;
    QString exportedImage, exportedImages, exportedDocument;
    QString pdfFilter;   // the save dialog of "Export as PDF…"
    QString exportedPdf; // the PDF file was written; its path follows

    // FOLIA: the marks list and the Markdown file of the marks
    QString markUnderline, markFullUnderline, markBracket, markTwoColours, markBold, markLink,
        markDefinition, markAlignment; // the kinds of mark
    QString alignedLeft, alignedCentre, alignedRight;
    QString marksTitle;                         // heading of the Markdown file
    QString rowWord, rowsWord;                  // "Row " and "Rows " before row numbers
    QString rowsTo;                             // between the two rows of a bracket
    QString colourOn;                           // between the text colour and the background colour
    QString toPage;                             // "→ page " before the page a link leads to
    QString openQuote, closeQuote;              // around marked characters
    QString markdownFiles, csvFiles, jsonFiles; // the save dialog's filters
    QString marksExported;                      // the marks were written; the path follows
    // The marks list: its columns and its filter of kinds
    QString kindColumn, rowColumn, markedColumn, coloursColumn, targetColumn, definitionColumn;
    QString kindsShown;
    QString marksListKeys; // the list's keys, for a screen reader

    // FOLIA: page labels
    QString pageLabel; // "Page " before a page number

    // FOLIA: configurator
    QString mustTypeFooter, configurator, chooseFormat1, chooseFormat2;
    QString footer1Frame1, footer1Frame2, wantFooter1a, wantFooter1b, footer1Position;
    QString fontSizeFooter1a, fontSizeFooter1b, footer1Stylea, footer1Styleb;
    QString bold, italic, underline;
    QString footer2Position, footer2Frame1, footer2Frame2, wantFooter2a, wantFooter2b;
    QString fontSizeFooter2a, fontSizeFooter2b, footer2Stylea, footer2Styleb;
    QString textFooter1, textFooter2;
    QString pageNumberPosition, pageNumberFrame1, pageNumberFrame2, wantPageNumbera,
        wantPageNumberb, pageNumberFontSizea, pageNumberFontSizeb, pageNumberProperties;
    QString labelColon; // after the position captions
    QString includesPageWorda, includesPageWordb, writtenIna, writtenInb, arabicNumbers,
        arabicExample, romanNumerals, romanExample, upperCase, lowerCase;
    QString controlPropertiesa, controlPropertiesb, roundedShapesa, roundedShapesb, squareShapesa,
        squareShapesb;

    // FOLIA: favourite colours
    QString selectedColour, coloursArchived, saveBeforeExit, reallyReset, coloursWillBeLost,
        favouritesCaption, archive, reset;

    // FOLIA: printing
    QString copies1, copies2, copies3, copies4, copies5, copies10;
    QString monochrome, colourMode2, draft, lowResolution, mediumResolution, highResolution;
    QString configurePrinting, numberOfCopies, colourMode, printResolution, continueButton,
        noDefaultPrinter;
    QString printErrorPrefix; // "Err: " before the printing service's error number

    // FOLIA: export
    QString exportPages, howManyPagesa, howManyPagesb, singlePage, rangeOfPages, rangeTo, allPages,
        enterFolderName, saveButton, print;
    QString folderNotCreated;     // the export folder could not be made; its path follows
    QString folderOutsideProgram; // the folder name leaves the program's folder; the name follows
    QString rangeFromName, rangeToName; // accessible names of the range boxes

    // Quillet
    QString readPlainText, writeWithFormat, writeWithoutFormat, find, replace;
    QString zeroLines, zeroPages, linesSuffix, pagesSuffix;
    QString loadedText, formattedSaved, plainSaved;
    QString hopeUseful, complementFor, editorCredit, visitMeEditor, editorTitle;
    QString noMatches, noOtherResults;
    QString unencodableWarning; // before a write that must replace characters by '?'
    QString notWritten;         // a write failed; the file's path follows
    // Both programs, after reading a text file: how many of its characters the text could
    // not hold and took the nearest ones for; the count follows
    QString charactersReplaced;

    // Both programs: why a write failed, on the line after the file's path
    QString writeReason; // before the reason
    QString diskFull, fileTooLarge, readOnlyDisk, accessDenied, noSuchFolder, notRegularFile,
        unknownWriteError;
    QString exitAnyway; // FOLIA's Exit when the document could not be kept

    // Quillet: find and replace dialog
    QString findWhat, replaceWith, matchCase, wholeWord, direction, up, down, findNext, replaceAll,
        cancel;

    // Both programs started from a terminal: --help, --version and a wrong command line
    QString usage, usageOperands; // "Usage: ", the command, " [OPTION]... [FILE]"
    QString foliaFileHelp, editorFileHelp, helpOption, versionOption;
    QString licenceNotice;               // the lines after the name and version
    QString unknownOption, extraOperand; // the command and ": " before, the argument after

    // The programs' entries in the desktop's menu and software centre
    QString foliaGenericName, foliaSummary, foliaDescription, foliaKeywords;
    QString editorGenericName, editorSummary, editorDescription, editorKeywords;

    // FOLIA: accessible names of controls
    QString programName; // the accessible name of FOLIA's window
    QString busyName;    // the busy picture's accessible name
    QString pageViewName;
    QString pageUpDownName, pageLeftRightName; // the page view's scroll bars
    // What the page view tells a screen reader: "Row 12, column 30: <text>", "Tick mode, 2
    // rows ticked", "Selected on row 12: <characters>", and before it what the last command
    // did: "Undone on page 3, row 12. ", "Marks removed: 2. "
    QString caretRow, caretColumn, tickModeOn, rowsTicked, selectedOnRow;
    QString undoneOnPage, redoneOnPage, onRow, marksRemoved;
    QString paletteName; // the favourite-colours window's palette of swatches

    // FOLIA: find in the document ("Find" is the menu item and the text box's name)
    QString findNoMatches; // the counter when nothing is found
    QString findMatchCase, previousHit, nextHit;
    QString findBarName; // the find bar's accessible name
};

const TextSet& englishTexts();
const TextSet& spanishTexts();

// "Page 3 of 10" and its Spanish forms.
QString pageCaption(const TextSet& texts, int page, int pageCount);
QString pageCaptionUnaccented(const TextSet& texts, int page, int pageCount);
// The find counter: "3 of 12" for the third of twelve hits, or that there is none.
QString findCounter(const TextSet& texts, int hit, int hitCount);

} // namespace folia
