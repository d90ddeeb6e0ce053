// SPDX-License-Identifier: MIT
// The charts the desktop has, drawn by Chart.js: the deck's probabilities
// by category, and one category's across suits, ranks or jokers, each on a
// logarithmic scale. Each can be saved as a PNG.
import {
    BarController, BarElement, CategoryScale, Chart, Legend, LinearScale, LineController, LineElement,
    LogarithmicScale, PointElement, Title, Tooltip,
} from "chart.js";

Chart.register(BarController, BarElement, CategoryScale, LinearScale, LogarithmicScale, LineController,
    LineElement, PointElement, Title, Tooltip, Legend);

type Kind = "deck" | "series";

// A probability on the logarithmic axis: "1e-5" below a thousandth, else
// plain. Where the axis has many ticks only 1, 2 and 5 of each power of ten
// are labelled, so the labels never run into each other.
function probabilityLabel(value: number | string, _index: number, ticks: { value: number }[]): string {
    const number = Number(value);
    const mantissa = Number((number / 10 ** Math.floor(Math.log10(number))).toPrecision(2));
    if (ticks.length > 6 && mantissa !== 1 && mantissa !== 2 && mantissa !== 5) {
        return "";
    }
    return number < 1e-3 ? String(mantissa) + "e" + Math.floor(Math.log10(number)) : String(Number(number.toPrecision(2)));
}

function colours(): { text: string; grid: string; bar: string } {
    const dark = window.matchMedia("(prefers-color-scheme: dark)").matches;
    return dark
        ? { text: "#e8e8e8", grid: "#555", bar: "#6cb4ff" }
        : { text: "#1a1a1a", grid: "#ccc", bar: "#1f63b5" };
}

export class Charts {
    private readonly charts = new Map<Kind, Chart>();

    drawDeck(canvas: HTMLCanvasElement, title: string, names: string[], probabilities: number[], axis: string): void {
        // A category without hands has no place on a logarithmic axis.
        const values = probabilities.map((value) => (value > 0 ? value : null));
        this.draw("deck", canvas, "bar", title, names, values, axis, title);
    }

    drawSeries(canvas: HTMLCanvasElement, title: string, labels: string[], probabilities: number[], axis: string): void {
        const values = probabilities.map((value) => (value > 0 ? value : null));
        this.draw("series", canvas, "line", title, labels, values, axis, title);
    }

    savePng(kind: Kind, name: string): void {
        const chart = this.charts.get(kind);
        if (!chart) {
            return;
        }
        const link = document.createElement("a");
        link.href = chart.toBase64Image("image/png");
        link.download = name;
        link.click();
    }

    private draw(kind: Kind, canvas: HTMLCanvasElement, type: "bar" | "line", title: string, labels: string[],
                 values: (number | null)[], axis: string, description: string): void {
        this.charts.get(kind)?.destroy();
        const { text, grid, bar } = colours();
        canvas.setAttribute("aria-label", description);
        const probabilityTicks = { color: text, maxRotation: 0, autoSkipPadding: 12, callback: probabilityLabel };
        const chart = new Chart(canvas, {
            type,
            data: {
                labels,
                datasets: [{
                    label: title,
                    data: values,
                    backgroundColor: bar,
                    borderColor: bar,
                    spanGaps: false,
                }],
            },
            options: {
                animation: false,
                maintainAspectRatio: false,
                indexAxis: type === "bar" ? "y" : "x",
                plugins: {
                    title: { display: true, text: title, color: text },
                    legend: { display: false },
                    tooltip: { enabled: true },
                },
                scales: type === "bar"
                    ? {
                        x: { type: "logarithmic", title: { display: true, text: axis, color: text }, ticks: probabilityTicks, grid: { color: grid } },
                        y: { ticks: { color: text, autoSkip: false }, grid: { color: grid } },
                    }
                    : {
                        y: { type: "logarithmic", title: { display: true, text: axis, color: text }, ticks: probabilityTicks, grid: { color: grid } },
                        x: { ticks: { color: text }, grid: { color: grid } },
                    },
            },
        });
        this.charts.set(kind, chart);
        canvas.dataset.drawn = "true";
    }
}
