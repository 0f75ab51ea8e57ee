#pragma once

// Makes progress bars known to assistive technology as progress bars with
// their percentage as value. Safe to call more than once.
void installProgressBarAccessibility();
