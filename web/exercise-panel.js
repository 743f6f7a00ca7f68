// An exercise set's panel beside Kymbral's window: the texts the module
// sends (kymbral/exercise/exercise_panel.h), the boxes an answer is typed
// in, the one button, and a clock that tells the module each second so that
// the time left counts down and a task whose time is up is judged.
import { clock } from './form/clock.js';
import { withText } from './form/events.js';

const SECOND = 1000;

const element = (tag, props = {}) => Object.assign(document.createElement(tag), props);

export class ExercisePanel {
  // act(answers) and tick() reach the module; `view` is the window beside it,
  // which gives the panel its room.
  constructor(view, { act, tick }) {
    this.view = view;
    this.shown = {};
    this.root = element('aside', { className: 'exercises' });
    this.root.setAttribute('aria-labelledby', 'task-heading');
    this.heading = element('h2', { id: 'task-heading', tabIndex: -1 });
    this.task = element('p', { className: 'task' });
    this.timeLeft = element('p', { className: 'time-left' });
    this.form = element('form', { className: 'answers' });
    this.boxes = element('div');
    this.action = element('button', { type: 'submit', className: 'action' });
    this.form.append(this.boxes, this.action);
    this.verdict = element('p', { className: 'verdict', role: 'status' });
    this.points = element('p', { className: 'points' });
    this.root.append(this.heading, this.task, this.timeLeft, this.form, this.verdict, this.points);
    this.form.addEventListener('submit', (event) => {
      event.preventDefault();
      act([...this.boxes.querySelectorAll('input')].map((input) => input.value));
    });
    document.body.append(this.root);
    document.body.classList.add('with-exercises');
    view.besides = this.root.offsetWidth;
    view.fit();
    const second = () => {
      tick();
      clock.setTimeout(second, SECOND);
    };
    clock.setTimeout(second, SECOND);
  }

  // What the module sends; only what changed is touched, so that a screen
  // reader hears only that.
  show(panel) {
    const newTask = panel.heading !== this.shown.heading;
    const set = (node, text) => { if (node.textContent !== text) node.textContent = text; };
    set(this.heading, panel.heading);
    set(this.task, panel.task);
    set(this.timeLeft, panel.timeLeft);
    this.timeLeft.hidden = panel.timeLeft === '';
    const typing = this.boxes.contains(document.activeElement);
    if (newTask || panel.answers.join('\n') !== (this.shown.answers ?? []).join('\n')) {
      this.boxes.replaceChildren(...panel.answers.map((label, i) => {
        const box = element('label', { className: 'answer' });
        box.append(element('span', { textContent: label }),
          element('input', { type: 'text', inputMode: 'decimal', autocomplete: 'off', name: `answer${i}` }));
        return box;
      }));
    }
    set(this.action, panel.action);
    this.action.hidden = panel.action === '';
    set(this.verdict, panel.verdict);
    set(this.points, panel.points);
    // The focus stays in the panel where what held it went: on the button
    // (Next task) after the boxes, on the heading when the button goes too.
    const lost = typing && !this.boxes.contains(document.activeElement);
    if (lost || (this.action.hidden && this.root.contains(document.activeElement) && document.activeElement === this.action)) {
      (this.action.hidden ? this.heading : this.action).focus();
    }
    this.shown = panel;
  }
}

// The module's side of the panel: its exports, each followed by a pump when
// it asks for one.
export function exercisePoster(module, pump) {
  return {
    act: (answers) => {
      if (withText(module, answers.join('\n'), (pointer) => module._web_exercise_act(pointer))) pump();
    },
    tick: () => {
      if (module._web_exercise_tick()) pump();
    },
  };
}
