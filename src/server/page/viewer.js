"use strict";
// The hall's clock on a phone. The program sends its state as Server-Sent Events (/events) and its clock on request
// (/time); the page keeps its own offset to that clock, shows each second at the program's deadline for it and
// foresees the seconds that follow as the program takes them. Everything the program sends is data: it reaches the
// page as text, never as markup.
(function () {
  const StepMs = 1000;
  // Beats come every two seconds; this long without any message, the connection is taken as lost (a phone's browser
  // in the background may drop it without a word).
  const SilenceMs = 5000;
  const SamplesKept = 5;
  const RemeasureMs = 15000;
  // A message this far ahead of the page's idea of the program's clock shows the page's clock to have stopped (a
  // phone asleep): the offset is measured afresh.
  const SleptMs = 250;
  // The lower bounds from this many of the last messages are kept: enough to span a few beats, few enough that the
  // two clocks' drift does not make them stale.
  const BoundsKept = 15;
  // The warning notice stands while the last 30 seconds' first few run.
  const WarningNoticeSeconds = 5;
  const WarningSeconds = 30;
  const TimeUpText = " 时间到！";

  const byId = (id) => document.getElementById(id);
  const text = (value) => (typeof value === "string" ? value : "");
  const whole = (value) => (Number.isFinite(value) ? Math.trunc(value) : 0);
  const flag = (value) => value === true;
  const sleep = (ms) => new Promise((done) => setTimeout(done, ms));

  // ---- The program's clock: offset = program ms − performance.now() -------------------------------------------

  let samples = [];
  let bounds = [];
  let offset = null;
  let measuring = false;
  let measureSerial = 0;
  let measureRound = 0;

  // One /time round trip. Its answer was made somewhere within the trip, best guessed at its middle; the fastest
  // trip of the last few leaves the least room for error.
  async function measure() {
    if (measuring) return;
    measuring = true;
    try {
      const path = "/time?n=" + ++measureSerial;
      const sent = performance.now();
      const response = await fetch(path, { cache: "no-store", credentials: "omit" });
      const arrived = performance.now();
      const body = await response.json();
      if (!response.ok || !body || !Number.isFinite(body.t)) return;
      let start = sent;
      let end = arrived;
      // The browser's own times of the request and the answer's first byte leave out the connection's setting up.
      const entries = performance.getEntriesByName(new URL(path, location.href).href);
      const entry = entries[entries.length - 1];
      if (entry && entry.requestStart >= sent && entry.responseStart >= entry.requestStart &&
          entry.responseStart <= arrived) {
        start = entry.requestStart;
        end = entry.responseStart;
      }
      performance.clearResourceTimings();
      samples.push({ offset: body.t - (start + end) / 2, trip: end - start });
      if (samples.length > SamplesKept) samples.shift();
      settleOffset();
      render();
    } catch (error) {
      // Tried again on the next round.
    } finally {
      measuring = false;
    }
  }

  // The fastest trip's offset, raised to what the messages prove: a message was made before it arrived, so the
  // program's clock stood at least at its time then.
  function settleOffset() {
    let best = null;
    for (const sample of samples) {
      if (!best || sample.trip < best.trip) best = sample;
    }
    const least = bounds.length ? Math.max.apply(null, bounds) : null;
    offset = best ? (least === null ? best.offset : Math.max(best.offset, least)) : least;
  }

  // A few measurements in a row; `fresh` forgets the old ones first (the phone may have slept, and its clock with it).
  async function measureBurst(fresh) {
    const round = ++measureRound;
    if (fresh) {
      samples = [];
      bounds = [];
    }
    for (let i = 0; i < SamplesKept && round === measureRound; ++i) {
      await measure();
      await sleep(150);
    }
  }

  function heardAt(programMs, pageMs) {
    const least = programMs - pageMs;
    if (offset !== null && least - offset > SleptMs) measureBurst(true);
    bounds.push(least);
    if (bounds.length > BoundsKept) bounds.shift();
    settleOffset();
  }

  function programNow() {
    return offset === null ? null : performance.now() + offset;
  }

  // ---- What the program sent, checked -------------------------------------------------------------------------

  let state = null;

  function readSide(side) {
    const s = side && typeof side === "object" ? side : {};
    return {
      remaining: whole(s.remaining),
      running: flag(s.running),
      paused: flag(s.paused),
      timeUp: flag(s.timeUp),
      warned: flag(s.warned),
      overtime: whole(s.overtime),
      next: Number.isFinite(s.next) ? s.next : 0,
    };
  }

  function readState(message) {
    const contest = message.contest && typeof message.contest === "object" ? message.contest : {};
    const pair = (value) => (Array.isArray(value) ? [text(value[0]), text(value[1])] : ["", ""]);
    const read = {
      contest: {
        title: text(contest.title),
        organiser: text(contest.organiser),
        motions: pair(contest.motions),
        teams: pair(contest.teams),
      },
      clock: null,
    };
    const clock = message.clock;
    if (clock && typeof clock === "object" && ["single", "dual", "cross"].indexOf(clock.kind) >= 0) {
      const sides = Array.isArray(clock.sides) ? clock.sides : [];
      read.clock = {
        kind: clock.kind,
        stage: text(clock.stage),
        title: text(clock.title),
        format: clock.format === "ms" ? "ms" : "s",
        speaking: clock.speaking === "affirmative" || clock.speaking === "negative" ? clock.speaking : null,
        sides: [readSide(sides[0]), readSide(sides[1])],
      };
    }
    return read;
  }

  // ---- The program's formats (src/core/countdown.cpp) ---------------------------------------------------------

  // "122s" or "2分2秒": whole minutes rounded down, the seconds keeping the sign of the count ("-1分-1秒").
  function formatRemaining(seconds, format) {
    if (format !== "ms") return seconds + "s";
    return Math.floor(seconds / 60) + "分" + (seconds % 60) + "秒";
  }

  function formatOvertime(seconds, format) {
    return "+" + formatRemaining(seconds, format);
  }

  // A side as the program shows it at program time `now`: the steps due since its state, taken as the program takes
  // them. Past a foreseen end nothing more is foreseen: whether the overtime is counted only the program knows, and
  // its state at that step says so. `due` is the program time of the next change foreseen, or null.
  function sideAt(side, now) {
    const shown = Object.assign({}, side, { due: null });
    if (!side.running || side.next <= 0 || now === null) return shown;
    let steps = now >= side.next ? Math.floor((now - side.next) / StepMs) + 1 : 0;
    if (side.timeUp) {
      shown.overtime += steps;
      shown.remaining -= steps;
    } else if (steps > 0) {
      const toEnd = Math.max(side.remaining, 1);
      if (steps >= toEnd) {
        steps = toEnd;
        shown.timeUp = true;
        shown.overtime = 0;
      }
      if (side.remaining > WarningSeconds && side.remaining - steps <= WarningSeconds) shown.warned = true;
      shown.remaining -= steps;
    }
    if (!shown.timeUp || side.timeUp) shown.due = side.next + steps * StepMs;
    return shown;
  }

  function clockText(shown, format) {
    if (!shown.timeUp) return formatRemaining(shown.remaining, format);
    return shown.overtime > 0 ? formatOvertime(shown.overtime, format) : TimeUpText;
  }

  // ---- Drawing ------------------------------------------------------------------------------------------------

  const view = {
    link: byId("link"),
    contest: byId("contest"),
    between: byId("between"),
    heading: byId("heading"),
    organiser: byId("organiser"),
    teams: [byId("team-a"), byId("team-n")],
    motions: [byId("motion-a"), byId("motion-n")],
    clock: byId("clock"),
    stage: byId("stage"),
    title: byId("title"),
    speaker: byId("speaker"),
    faces: [byId("face-a"), byId("face-n")].map((face) => ({
      face: face,
      team: face.querySelector(".team"),
      digits: face.querySelector(".digits"),
    })),
  };

  function setText(element, value) {
    if (element.textContent !== value) element.textContent = value;
  }

  // The digits at full size and the units beside them smaller, the text itself exactly the program's.
  function setDigits(element, value) {
    if (element.getAttribute("data-shown") === value) return false;
    const lengthChanged = (element.getAttribute("data-shown") || "").length !== value.length;
    element.setAttribute("data-shown", value);
    element.textContent = "";
    for (const part of value.split(/([分秒s])/)) {
      if (part === "") continue;
      if (/^[分秒s]$/.test(part)) {
        const unit = document.createElement("span");
        unit.className = "unit";
        unit.textContent = part;
        element.appendChild(unit);
      } else {
        element.appendChild(document.createTextNode(part));
      }
    }
    return lengthChanged;
  }

  // The clocks' type as large as the view allows, the same for both sides; only a text wider or taller than its
  // place makes it smaller.
  function fitDigits() {
    const shown = view.faces.filter((face) => !face.face.hidden).map((face) => face.digits);
    for (const digits of shown) digits.style.fontSize = "";
    let scale = 1;
    for (const digits of shown) {
      if (digits.scrollWidth > digits.clientWidth && digits.scrollWidth > 0)
        scale = Math.min(scale, digits.clientWidth / digits.scrollWidth);
      if (digits.scrollHeight > digits.clientHeight && digits.scrollHeight > 0)
        scale = Math.min(scale, digits.clientHeight / digits.scrollHeight);
    }
    if (scale >= 1) return;
    for (const digits of shown)
      digits.style.fontSize = parseFloat(getComputedStyle(digits).fontSize) * scale * 0.97 + "px";
  }

  let redraw = null;

  function drawBetween(contest) {
    setText(view.heading, contest.title);
    setText(view.organiser, contest.organiser);
    for (let i = 0; i < 2; ++i) {
      setText(view.teams[i], contest.teams[i]);
      setText(view.motions[i], contest.motions[i]);
    }
  }

  function drawClock(clock, teams) {
    const dual = clock.kind === "dual";
    const title = clock.title || clock.stage;
    setText(view.title, title);
    // The stage's name over a heading that does not say it already (the cross-examination pairing).
    setText(view.stage, clock.stage && title.indexOf(clock.stage) < 0 ? clock.stage : "");
    const speakingIndex = clock.speaking === "affirmative" ? 0 : clock.speaking === "negative" ? 1 : -1;
    setText(view.speaker, !dual && speakingIndex >= 0 ? teams[speakingIndex] : "");
    view.clock.classList.toggle("dual", dual);

    const now = programNow();
    let due = Infinity;
    let refit = false;
    view.faces.forEach((face, i) => {
      const inUse = dual || i === 0;
      face.face.hidden = !inUse;
      if (!inUse) return;
      const side = clock.sides[i];
      const shown = sideAt(side, now);
      if (shown.due !== null) due = Math.min(due, shown.due);
      setText(face.team, dual ? teams[i] : "");
      refit = setDigits(face.digits, clockText(shown, clock.format)) || refit;
      const classes = face.face.classList;
      classes.toggle("time-up", shown.timeUp);
      classes.toggle("warned", shown.warned && !shown.timeUp);
      classes.toggle("warning-notice", shown.warned && !shown.timeUp &&
                                         shown.remaining > WarningSeconds - WarningNoticeSeconds);
      classes.toggle("paused", side.paused);
      classes.toggle("speaking", dual && speakingIndex === i);
      classes.toggle("still", dual && speakingIndex >= 0 && speakingIndex !== i);
    });
    if (refit) fitDigits();
    return due;
  }

  function render() {
    clearTimeout(redraw);
    redraw = null;
    if (!state) return;
    const contest = state.contest;
    setText(view.contest, contest.title);
    document.title = contest.title || "辩论计时";
    const clock = state.clock;
    document.body.classList.toggle("idle", clock === null);
    view.between.hidden = clock !== null;
    const layoutBefore = view.clock.hidden ? null : view.clock.className;
    view.clock.hidden = clock === null;
    if (!clock) {
      drawBetween(contest);
      return;
    }
    const due = drawClock(clock, contest.teams);
    if (view.clock.className !== layoutBefore) fitDigits();
    // The next second is drawn at the program's deadline for it, on the page's clock.
    if (due !== Infinity && offset !== null)
      redraw = setTimeout(render, Math.max(0, Math.ceil(due - offset - performance.now())));
  }

  // ---- The connection -----------------------------------------------------------------------------------------

  let source = null;
  let heardLast = performance.now();
  let retry = null;

  function showLink(up) {
    view.link.hidden = up;
  }

  function onMessage(event, isState) {
    const arrived = performance.now();
    let message;
    try {
      message = JSON.parse(event.data);
    } catch (error) {
      return;
    }
    if (!message || typeof message !== "object") return;
    heardLast = arrived;
    showLink(true);
    if (Number.isFinite(message.t)) heardAt(message.t, arrived);
    if (isState) {
      state = readState(message);
      render();
    }
  }

  function connect() {
    clearTimeout(retry);
    if (source) source.close();
    heardLast = performance.now();
    source = new EventSource("/events");
    source.addEventListener("state", (event) => onMessage(event, true));
    source.addEventListener("beat", (event) => onMessage(event, false));
    const opened = source;
    source.addEventListener("error", () => {
      if (opened !== source) return;
      showLink(false);
      // The browser tries again by itself unless it has given up; then the page does, a moment later.
      if (opened.readyState === EventSource.CLOSED) retry = setTimeout(connect, 1000);
    });
  }

  // Back from the background, or from the browser's page cache: the connection and the clock's offset may both be
  // stale.
  function wake() {
    connect();
    measureBurst(true);
    render();
  }

  setInterval(() => {
    if (document.hidden) return;
    if (performance.now() - heardLast > SilenceMs) {
      showLink(false);
      connect();
    }
  }, 1000);
  setInterval(() => {
    if (!document.hidden) measure();
  }, RemeasureMs);
  document.addEventListener("visibilitychange", () => {
    if (!document.hidden) wake();
  });
  window.addEventListener("pageshow", (event) => {
    if (event.persisted) wake();
  });

  // ---- The podium view: the time alone, full screen; a tap on the clock turns it on and off ------------------

  function podium() {
    return location.hash === "#podium";
  }

  function showPodium() {
    document.body.classList.toggle("podium", podium());
    fitDigits();
  }

  view.clock.addEventListener("click", () => {
    const on = !podium();
    history.replaceState(null, "", on ? "#podium" : location.pathname + location.search);
    showPodium();
    const root = document.documentElement;
    try {
      if (on && root.requestFullscreen && !document.fullscreenElement) root.requestFullscreen().catch(() => {});
      if (!on && document.fullscreenElement && document.exitFullscreen) document.exitFullscreen().catch(() => {});
    } catch (error) {
      // Full screen is a nicety; the view is the same without it.
    }
  });
  window.addEventListener("hashchange", showPodium);
  window.addEventListener("resize", fitDigits);

  showPodium();
  connect();
  measureBurst(true);
})();
