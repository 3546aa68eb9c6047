#pragma once
// What the converter says, in its status line and its message boxes.

constexpr const char kAppCaption[] = "Inkvale";

constexpr const char kInvalidData[] = "Invalid data found. Please try again.";
constexpr const char kSelectDestination[] = "Please select destination path.";
constexpr const char kClickCreate[] = "Click on create button to generate pdf file.";
constexpr const char kNoAccessRights[] = "Sorry! You don't have access rights on the selected folder.";

constexpr const char kPreparing[] = "Preparing to create PDF..";
constexpr const char kCreating[] = "Creating PDF...";
constexpr const char kCreated[] = "PDF created successfully.";
constexpr const char kOpening[] = "Opening converted pdf file...";
constexpr const char kFailedStatus[] = "Failed to create pdf.";
constexpr const char kFailedMessage[] = "Failed to create pdf. Please try again.";

// The save dialog's filter: one description and one pattern.
constexpr const char kPdfFilterName[] = "PDF Files(*.pdf)";
constexpr const char kPdfFilterPattern[] = "*.pdf";
constexpr const char kPdfDefaultExtension[] = "pdf";

// How long the PDF waits before it is opened, in milliseconds.
constexpr unsigned long kOpenDelayMs = 1500;
