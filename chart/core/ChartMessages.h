#pragma once
// Every word, message, format and gallery name the charting engine and its
// editors show, in one table, so that a translation replaces it in one place.
// The engine's start-up (ChartEngine.h) fills it; before the first start-up
// and after the last shut-down every entry is the empty text.
//
// Entries that take arguments are formats for base::Format ("%s", "%d");
// texts a user typed are arguments, never formats. "\r" in an entry splits a
// mark or label into lines.
#include "base/Format.h"

#include <QString>

#include <initializer_list>

enum class ChartMsg : int {
  Banner,                   // 0
  LegendFirstValue,         // 1
  LegendColorWidth,         // 2
  NoParentChartDataSource,  // 3
  InvalidDataSource,        // 4
  SampleValuesCount,        // 5
  DateTimeLogarithmic,      // 6
  LogarithmicNegative,      // 7
  LabelsSeparation,         // 8
  AxisIncrement,            // 9
  AxisMinimum,              // 10
  AxisMaximum,              // 11
  LogarithmicBase,          // 12
  MaxPointsPerPage,         // 13
  Percent3D,                // 14
  CircularDataSource,       // 15
  ColorDepthWarning,        // 16
  MarkOf,                   // 17
  MarkOfMultiLine,          // 18
  PercentFormat,            // 19
  ValuesFormat,             // 20
  ScientificFormat,         // 21
  AxisTitle,                // 22
  AxisLabels,               // 23
  RefreshInterval,          // 24
  SeriesNotInChart,         // 25
  GalleryLine,              // 26
  GalleryPoint,             // 27
  GalleryArea,              // 28
  GalleryBar,               // 29
  GalleryHorizBar,          // 30
  GalleryStack,             // 31
  GalleryPie,               // 32
  GalleryCircled,           // 33
  GalleryFastLine,          // 34
  GalleryHorizLine,         // 35
  SampleCars,               // 36
  SamplePhones,             // 37
  SampleTables,             // 38
  SampleMonitors,           // 39
  SampleLamps,              // 40
  SampleKeyboards,          // 41
  SampleBikes,              // 42
  SampleChairs,             // 43
  FontCourierNew,           // 44
  EditingTitle,             // 45
  PageStandard,             // 46
  PageExtended,             // 47
  PageFunctions,            // 48
  MenuEditChart,            // 49
  MenuPrintPreview,         // 50
  MenuExportChart,          // 51
  MenuCustomAxes,           // 52
  InvalidEditorClass,       // 53
  NoEditorDialog,           // 54
  GalleryArrow,             // 55
  ButtonFinish,             // 56
  ButtonNext,               // 57
  GalleryGantt,             // 58
  SampleDesign,             // 59
  SamplePrototyping,        // 60
  SampleDevelopment,        // 61
  SampleSales,              // 62
  SampleMarketing,          // 63
  SampleTesting,            // 64
  SampleManufacturing,      // 65
  SampleDebugging,          // 66
  SampleNewVersion,         // 67
  SampleBanking,            // 68
  ChangeSeriesTitle,        // 69
  NewSeriesTitle,           // 70
  DateTime,                 // 71
  TopAxis,                  // 72
  BottomAxis,               // 73
  LeftAxis,                 // 74
  RightAxis,                // 75
  SureToDelete,             // 76
  DateTimeFormat,           // 77
  DefaultPrefix,            // 78
  ValuesFormatCaption,      // 79
  Maximum,                  // 80
  Minimum,                  // 81
  DesiredIncrement,         // 82
  IncorrectValue,           // 83
  EnterDateTime,            // 84
  ApplyChanges,             // 85
  SelectedSeries,           // 86
  RefreshData,              // 87
  DefaultFontSize,          // 88
  EditorWidth,              // 89
  FunctionAdd,              // 90
  FunctionSubtract,         // 91
  FunctionMultiply,         // 92
  FunctionDivide,           // 93
  FunctionHigh,             // 94
  FunctionLow,              // 95
  FunctionAverage,          // 96
  GalleryShape,             // 97
  GalleryBubble,            // 98
  FunctionCopy,             // 99
  ValueCaption,             // 100
  ChoiceNone,               // 101
  PrivateDeclarations,      // 102
  PublicDeclarations,       // 103
  FontArial,                // 104
  PointerSize,              // 105
  MenuAbout,                // 106
  PageAdditional,           // 107
  PageDataControls,         // 108
  PageQReport,              // 109
  Dataset,                  // 110
  DatasetCaption,           // 111
  SingleRecord,             // 112
  DataSourceCaption,        // 113
  Summary,                  // 114
  FunctionPeriod,           // 115
  PageBusiness,             // 116
  WizardCaption,            // 117
  ButtonClear,              // 118
  ButtonBrowse,             // 119
  WizardCloseQuery,         // 120
  FieldNotFound,            // 121
  DepthAxis,                // 122
  PageOther,                // 123
  ValueNameText,            // 124
  ValueNameNumber,          // 125
  ValueNameX,               // 126
  ValueNameY,               // 127
  ValueNamePie,             // 128
  ValueNameBar,             // 129
  ValueNameAngle,           // 130
  ValueNameStart,           // 131
  ValueNameEnd,             // 132
  ValueNameNextTask,        // 133
  ValueNameRadius,          // 134
  ValueNameEndX,            // 135
  ValueNameEndY,            // 136
  Legend,                   // 137
  Title,                    // 138
  Footer,                   // 139
  Period,                   // 140
  PeriodRange,              // 141
  CalculateEvery,           // 142
  StyleSmallDots,           // 143
  InvalidChartFile,         // 144
  WrongChartFileFormat,     // 145
  EmptyChartFile,           // 146
  PageChartAxes,            // 147
  PageChartAxesHint,        // 148
  PageChartWalls,           // 149
  PageChartWallsHint,       // 150
  PageChartTitles,          // 151
  PageChartTitlesHint,      // 152
  PageChart3D,              // 153
  PageChart3DHint,          // 154
  CustomAxisPrefix,         // 155
  Series,                   // 156
  SeriesMenu,               // 157
  PageOfPages,              // 158
  ByteCount,                // 159
  NavFirst,                 // 160
  NavPrior,                 // 161
  NavNext,                  // 162
  NavLast,                  // 163
  NavInsert,                // 164
  NavDelete,                // 165
  NavEdit,                  // 166
  NavPost,                  // 167
  NavCancel,                // 168
  All,                      // 169
  GridIndex,                // 170
  GridText,                 // 171
  ExportAsBitmap,           // 172
  FilterBitmap,             // 173
  ExportAsMetafile,         // 174
  FilterMetafile,           // 175
  ExportNoPanel,            // 176
  StyleNormal,              // 177
  StyleNoBorder,            // 178
  StyleDotted,              // 179
  StyleColors,              // 180
  StyleFilled,              // 181
  StyleMarks,               // 182
  StyleStairs,              // 183
  StylePoints,              // 184
  StyleHeight,              // 185
  StyleHollow,              // 186
  StylePoint2D,             // 187
  StyleTriangle,            // 188
  StyleStar,                // 189
  StyleCircle,              // 190
  StyleDownTriangle,        // 191
  StyleCross,               // 192
  StyleDiamond,             // 193
  StyleNoLines,             // 194
  StyleStack100,            // 195
  StylePyramid,             // 196
  StyleEllipse,             // 197
  StyleInvPyramid,          // 198
  StyleSides,               // 199
  StyleSideAll,             // 200
  StylePatterns,            // 201
  StyleExploded,            // 202
  StyleShadow,              // 203
  StyleSemiPie,             // 204
  StyleRectangle,           // 205
  StyleVertLine,            // 206
  StyleHorizLine,           // 207
  StyleLine,                // 208
  StyleCube,                // 209
  StyleDiagCross,           // 210
  NoTempFolder,             // 211
  NoTempFile,               // 212
  MailError,                // 213
  DeleteIndexOutOfBounds,   // 214
  ExportAsJpeg,             // 215
  FilterJpeg,               // 216
  ExportAsGif,              // 217
  FilterGif,                // 218
  ExportAsPng,              // 219
  FilterPng,                // 220
  ExportAsPcx,              // 221
  FilterPcx,                // 222
  ExportAsVml,              // 223
  FilterVml,                // 224
  MenuLanguage,             // 225
  Count
};

// The text of an entry; empty while the engine is not running.
const QString& ChartText(ChartMsg msg);

// The entry used as a format with `args`, in the user's locale.
QString ChartFormat(ChartMsg msg, std::initializer_list<base::FormatArg> args);

// The engine's start-up and last shut-down fill and empty the table.
void FillChartMessages();
void ClearChartMessages();
