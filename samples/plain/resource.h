// Identifiers of the sample's resources, shared by the resource script and
// the code.
#ifndef PLAIN_SAMPLE_RESOURCE_H
#define PLAIN_SAMPLE_RESOURCE_H

#define IDR_MAINMENU 100
#define IDR_ACCELERATORS 101
#define IDD_CONTROLS 102

#define IDM_OPEN 200
#define IDM_SAVEAS 201
#define IDM_EXIT 202
#define IDM_CONTROLS 203
#define IDM_COLOUR 204
#define IDM_FONT 205
#define IDM_ABOUT 206

#define IDC_PUSH 300
#define IDC_CHECK 301
#define IDC_RADIO_ONE 302
#define IDC_RADIO_TWO 303
#define IDC_NAME 304
#define IDC_NOTES 305
#define IDC_COUNT 306
#define IDC_COUNT_SPIN 307
#define IDC_PROGRESS 308
#define IDC_SIMPLE_COMBO 309
#define IDC_DROPDOWN_COMBO 310
#define IDC_DROPLIST_COMBO 311
#define IDC_LIST 312
#define IDC_TRACK 313
#define IDC_HSCROLL 314
#define IDC_TABS 315
#define IDC_TAB_PAGE 316
#define IDC_LISTVIEW 317
#define IDC_TREE 318
#define IDC_VSCROLL 319
#define IDC_STATUS 320

#endif
