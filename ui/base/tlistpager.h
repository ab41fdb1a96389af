#pragma once

// Page arithmetic of the paged text list: how many pages a count of texts
// makes, how many lines the shown page has, where the paging buttons and the
// track lead, and how the slider's puck maps to pages. Plain numbers, so that
// the list's paging can be checked without a widget; every function is safe
// for zero lines, zero pages and zero travel.
class TListPager
{
public:
    // Pages of count texts at maxLine lines each (rounded up); 0 for no texts.
    static int pagesFor(int count, int maxLine);
    // Lines shown on page: the rest on a partly filled last page, else maxLine.
    static int linesOnPage(int count, int maxLine, int page);
    // Page after a paging button (0 first, 1 previous, 2 next, 3 last); the
    // page stays when the list holds fewer than maxLine texts.
    static int pageForButton(int id, int page, int pages, int count, int maxLine);
    // Pages one click on the track beside the puck moves.
    static int trackStep(int allPages);

    struct Slider {
        int puckH;   // puck height, 0 when the puck is hidden
        int travel;  // track height minus puck height
        double step; // pixels per page, 0.0 with fewer than two pages
    };
    // Puck size and pixels per page for a track of trackH pixels.
    static Slider layout(int trackH, int allPages, int minPuck);
    // The page under a puck d pixels below the track's top.
    static int puckPage(int d, int travel, double step, int allPages);
};
